// Reads a recording frame by frame. It never sizes anything from a number in the
// file: lines, frames and the saved game each have a fixed cap, and anything over
// it, or anything it does not understand, is reported with the line it is on.
#pragma once

#include <istream>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "replay/recording.h"

class RecordingReader {
  public:
    // Reads from the stream, which must outlive the reader.
    explicit RecordingReader(std::istream& in);

    // Garbage: damaged; CutOff: the file stops before its first frame.
    enum class HeaderResult { Ok, Garbage, OtherFormat, NotRecording, CutOff };
    HeaderResult readHeader(RecordingHeader& header);

    enum class Next { Frame, End, Truncated, Garbage };
    // The next whole frame. Truncated: the file stops without its end mark (only the end of
    // the file cuts a recording off). Garbage: damaged before the end, error() says where.
    Next next(RecordedFrame& frame);

    // What went wrong, naming the line.
    const std::string& error() const { return failure; }
    // The format number the file declares (for OtherFormat).
    int format() const { return declaredFormat; }
    std::uint32_t framesRead() const { return lastFrame; }

  private:
    enum class Line { Ok, Eof, TooLong };
    struct HeaderSeen {
        bool game = false;
        bool field = false;
        bool saved = false;
        bool sim = false;
        bool run = false;
    };
    Line readLine();
    Line tooLong();
    bool fail(const std::string& what);
    bool headerComplete(const HeaderSeen& seen);
    bool readHeaderLine(RecordingHeader& header, HeaderSeen& seen);
    bool readField(const std::vector<std::string_view>& words, RecordingHeader& header);
    bool readRun(const std::vector<std::string_view>& words, RecordingHeader& header);
    bool readFlag(RecordingHeader& header);
    bool readSavedGame(RecordingHeader& header);
    Next readFrameBody(RecordedFrame& frame);
    Next afterEnd();
    bool readFrameLine(RecordedFrame& frame, bool& done);

    std::istream& in;
    std::string line;
    bool havePending = false;
    bool sawEof = false;
    std::size_t lineNumber = 0;
    std::uint32_t lastFrame = 0;
    int declaredFormat = 0;
    std::string failure;
    // Key downs in the frame being read, by key.
    std::unordered_map<int, std::size_t> presses;
};
