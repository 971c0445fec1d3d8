// Reads a recording frame by frame. It never sizes anything from a number in the
// file: lines, frames and the saved game each have a fixed cap, and anything over
// it, or anything it does not understand, is reported with the line it is on.
#pragma once

#include <istream>
#include <memory>
#include <string>

#include "replay/recording.h"

class RecordingReader {
  public:
    // Reads from the stream, which must outlive the reader.
    explicit RecordingReader(std::istream& in);

    enum class HeaderResult { Ok, Garbage, OtherFormat };
    HeaderResult readHeader(RecordingHeader& header);

    enum class Next { Frame, End, Truncated, Garbage };
    // The next whole frame. Truncated: the file stops without its end mark.
    Next next(RecordedFrame& frame);

    // What went wrong, naming the line.
    const std::string& error() const { return failure; }
    // The format number the file declares (for OtherFormat).
    int format() const { return declaredFormat; }
    std::uint32_t framesRead() const { return lastFrame; }

  private:
    enum class Line { Ok, Eof, TooLong };
    Line readLine();
    bool fail(const std::string& what);
    bool readSavedGame(RecordingHeader& header);
    bool readFrameLine(RecordedFrame& frame, bool& done);

    std::istream& in;
    std::string line;
    bool havePending = false;
    std::size_t lineNumber = 0;
    std::uint32_t lastFrame = 0;
    int declaredFormat = 0;
    std::string failure;
};
