// Standard output and error that carry the UTF-8 bytes written to them, and only those.
#pragma once

namespace pw {

// While it lives, standard output and error pass bytes through unchanged. On Windows they are
// switched to binary mode, so a "\n" stays one byte and JSON or a listing is byte for byte what
// the Linux build prints; a console is switched to UTF-8 and back afterwards, so the UTF-8
// shows as the letters it encodes. Elsewhere there is nothing to do.
class Utf8StandardStreams {
 public:
  Utf8StandardStreams();
  ~Utf8StandardStreams();
  Utf8StandardStreams(const Utf8StandardStreams&) = delete;
  Utf8StandardStreams& operator=(const Utf8StandardStreams&) = delete;

 private:
#ifdef _WIN32
  unsigned consoleCodePage_ = 0;  // the console's own code page to put back; 0: none changed
#endif
};

}  // namespace pw
