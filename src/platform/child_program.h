// This very program run again as a child, left running while the caller goes on: its standard
// output dropped, its standard error gathered as it comes, its exit status once it ends. In the
// page the child is a second instance of the module in a worker.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

struct ProgramResult {
    int status = 0;
    std::string err;
};

class ChildProgram {
  public:
    // Nothing where the platform starts no child or it failed to start.
    static std::unique_ptr<ChildProgram> start(const std::string& program,
                                               const std::vector<std::string>& args);
    // A child still running is ended: nobody waits for its word any more.
    ~ChildProgram();
    ChildProgram(const ChildProgram&) = delete;
    ChildProgram& operator=(const ChildProgram&) = delete;

    // Its result once it has ended; nothing while it runs. Never waits.
    std::optional<ProgramResult> poll();
    // Waits for its end.
    ProgramResult wait();

    struct Handles;

  private:
    explicit ChildProgram(std::unique_ptr<Handles> h);
    // Reads what is there; true at the end of its standard error.
    bool readSome(bool block);

    std::unique_ptr<Handles> handles;
    ProgramResult result;
    bool ended = false;
};
