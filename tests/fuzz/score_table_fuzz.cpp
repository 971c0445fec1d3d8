// Feeds arbitrary bytes to the table of scores' reader: it ends every input with a table or a
// refusal, and a table it takes is written back to the very text it read.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/score_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::string error;
    const std::optional<ScoreTable> table = ScoreTable::read(text, error);
    if (table ? table->text() != text : error.empty()) {
        std::abort();
    }
    return 0;
}
