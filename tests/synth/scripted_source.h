#pragma once

#include <cstdint>
#include <cstddef>
#include <string>
#include <vector>

// A random source that plays back a script. Each entry names the value to
// give and the bounds the generator is expected to ask for at that point,
// so a test both steers a generator and checks the order and bounds of its
// draws. Once the script runs out it answers with the middle of the asked
// range, which keeps a walk close to where the script left it.
// A plain value type: the generators copy their source and copy it back.
class ScriptedSource {
public:
    struct Entry {
        std::int32_t value;
        std::int32_t max;
        std::int32_t min;
    };

    void Add(std::int32_t value, std::int32_t max, std::int32_t min = 0) { script.push_back({value, max, min}); }

    std::int32_t Draw(std::int32_t max) { return Draw(max, 0); }
    std::int32_t Draw(std::int32_t max, std::int32_t min)
    {
        if (next >= script.size()) {
            ++drawsPastScript;
            return min + (max - min) / 2;
        }
        const Entry& e = script[next];
        if (e.max != max || e.min != min)
            mismatches.push_back("draw " + std::to_string(next) + " asked [" + std::to_string(min) + ", " +
                                 std::to_string(max) + "], script expected [" + std::to_string(e.min) + ", " +
                                 std::to_string(e.max) + "]");
        ++next;
        return e.value;
    }

    std::size_t Used() const { return next; }
    std::size_t Size() const { return script.size(); }

    std::vector<std::string> mismatches;
    std::size_t drawsPastScript = 0;

private:
    std::vector<Entry> script;
    std::size_t next = 0;
};
