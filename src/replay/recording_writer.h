// Writes a recording as the game runs, one whole frame at a time, flushed, so a
// game killed part-way leaves every whole frame before the kill.
#pragma once

#include <fstream>
#include <string>

#include "replay/recording.h"

class RecordingWriter {
  public:
    // Creates (or empties) the file; check isOpen() and error().
    explicit RecordingWriter(const std::string& path);
    RecordingWriter(const RecordingWriter&) = delete;
    RecordingWriter& operator=(const RecordingWriter&) = delete;

    bool isOpen() const { return file.is_open(); }
    const std::string& error() const { return failure; }

    void writeHeader(const RecordingHeader& header);
    void writeFrame(const RecordedFrame& frame);
    // The end mark: the game ended in order after this many frames.
    void writeEnd(std::uint32_t frames);
    // Renames the file written so far to target, which it replaces, and goes on there.
    void moveTo(const std::string& target);
    // Past this many bytes the recording stops at its last whole frame (0: no limit).
    void limitTo(std::size_t bytes) { limit = bytes; }

  private:
    void put(const std::string& text);
    void flush();

    std::string path;
    std::ofstream file;
    std::string failure;
    std::size_t written = 0;
    std::size_t limit = 0;
};

// The text of one input line, and of a saved-game chunk (bytes outside printable ASCII
// and the backslash as \xNN), shared with the reader's tests.
std::string formatInput(const PlayerInput& input);
std::string escapeBytes(const std::string& bytes);
