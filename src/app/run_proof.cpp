#include "app/run_proof.h"

#include <fstream>
#include <regex>

#include "geometry/utf8_path.h"
#include "platform/own_program.h"
#include "replay/recording_reader.h"

namespace {

// The header's part of a run's rules; empty when kept.
std::string brokenRule(const std::string& recording, RecordingHeader& head) {
    std::ifstream file(fromUtf8(recording), std::ios::binary);
    if (!file.is_open()) {
        return "its recording is missing";
    }
    RecordingReader reader(file);
    if (reader.readHeader(head) != RecordingReader::HeaderResult::Ok) {
        return "its recording is damaged (" + reader.error() + ")";
    }
    if (!head.run) {
        return "its recording is no run";
    }
    if (head.sim != kSimVersion) {
        return "it was played by other rules (sim " + std::to_string(head.sim) + ")";
    }
    if (!head.flags.empty()) {
        return "its run was started with " + head.flags.front();
    }
    if (head.width != kRunFieldWidth || head.height != kRunFieldHeight) {
        return "its run played another field";
    }
    if (head.savedGame) {
        return "its run started from a saved game";
    }
    return {};
}

} // namespace

RunProof checkRun(const std::string& recording, const std::string& program) {
    RunProof proof;
    RecordingHeader head;
    proof.why = brokenRule(recording, head);
    if (!proof.why.empty()) {
        return proof;
    }
    proof.run = *head.run;
    const std::optional<ProgramResult> child = runProgram(program, {"-verify=" + recording});
    if (!child) {
        proof.why = "no process could check it here";
        return proof;
    }
    const std::string whole = "replay in sync: " + std::to_string(kRunFrames) + " frames\n";
    std::smatch m;
    static const std::regex closing("\nverify: .*, score ([0-9]+), level ([0-9]+)\n");
    if (child->status != 0 || child->err.find("\n" + whole) == std::string::npos ||
        !std::regex_search(child->err, m, closing)) {
        const std::size_t at = child->err.find("replay ");
        const std::string verdict = at == std::string::npos ? "" : child->err.substr(at);
        proof.why = "its replay " + (verdict.empty()
                                         ? "failed (status " + std::to_string(child->status) + ")"
                                         : "says: " + verdict.substr(0, verdict.find('\n')));
        if (child->status == 0 && !verdict.empty() && verdict.starts_with("replay in sync")) {
            proof.why = "its run does not end at frame " + std::to_string(kRunFrames);
        }
        return proof;
    }
    proof.score = std::stoi(m[1]);
    proof.level = std::stoi(m[2]);
    proof.verified = true;
    return proof;
}

RunProof proveRun(const std::string& recording, const ScoreEntry& entry,
                  const std::string& program) {
    RunProof proof = checkRun(recording, program);
    if (!proof.verified) {
        return proof;
    }
    const bool daily = proof.run.kind == ArcadeRun::Kind::Daily;
    if ((daily ? "daily" : "arcade") != entry.kind || (daily && proof.run.date != entry.date)) {
        proof.verified = false;
        proof.why = "its recording is another kind of run";
    } else if (proof.score != entry.score || proof.level != entry.level) {
        proof.verified = false;
        proof.why = "its replay scores " + std::to_string(proof.score) + " at level " +
                    std::to_string(proof.level);
    }
    return proof;
}
