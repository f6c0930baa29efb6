// Runs a fuzz target without libFuzzer, once on each input named on the command line: a file, or
// every file in a directory. The ordinary build replays the seed corpora this way under ctest; a
// failed check aborts the run.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        if (!fs::is_directory(argv[i])) {
            inputs.emplace_back(argv[i]);
            continue;
        }
        for (const fs::directory_entry& entry : fs::directory_iterator(argv[i])) {
            if (entry.is_regular_file()) inputs.push_back(entry.path());
        }
    }
    for (const fs::path& input : inputs) {
        // Exactly the input's bytes, as libFuzzer hands them, so that reading past the end shows
        // under AddressSanitizer.
        std::vector<std::uint8_t> data(fs::file_size(input));
        std::ifstream(input, std::ios::binary)
            .read(reinterpret_cast<char*>(data.data()), data.size());
        LLVMFuzzerTestOneInput(data.data(), data.size());
    }
    std::printf("replayed %zu inputs\n", inputs.size());
    return inputs.empty();  // nothing to replay is a mistake in the test's set-up
}
