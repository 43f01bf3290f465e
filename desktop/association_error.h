// The one error a file association reports.
#pragma once

#include "platform/errors.h"

namespace pw {

// "Failed to set data for ''": the name of the value written, the default one, is empty.
class AssociationError : public Error {
 public:
  AssociationError() : Error("Failed to set data for ''") {}
};

}  // namespace pw
