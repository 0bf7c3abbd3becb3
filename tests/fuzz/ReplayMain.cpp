// Runs a fuzz target over files and folders of inputs, each once in a child
// process of its own, so that the seed corpus and every saved finding are
// replayed by the ordinary test run (built without libFuzzer). Lists every
// input that failed (a failed check, a crash, more than 20 s) and exits 1
// when there was one.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

void runOne(const std::filesystem::path& input) {
#if !defined(__SANITIZE_ADDRESS__)
    // An input that makes the code under test allocate without bound fails
    // (std::bad_alloc) instead of taking the machine's memory.
    const rlimit memory{rlim_t{2} << 30, rlim_t{2} << 30};
    setrlimit(RLIMIT_AS, &memory);
#endif
    alarm(20);
    std::ifstream in(input, std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::filesystem::path> inputs;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path arg(argv[i]);
        if (std::filesystem::is_directory(arg)) {
            for (const auto& entry : std::filesystem::recursive_directory_iterator(arg))
                if (entry.is_regular_file()) inputs.push_back(entry.path());
        } else {
            inputs.push_back(arg);
        }
    }
    std::sort(inputs.begin(), inputs.end());

    // The children's scratch folders go into one folder removed at the end,
    // also when a child was stopped before it could clean up.
    std::string scratch = (std::filesystem::temp_directory_path() / "yq-replay-XXXXXX").string();
    if (!mkdtemp(scratch.data())) return 2;
    setenv("TMPDIR", scratch.c_str(), 1);

    std::vector<std::string> failed;
    for (const auto& input : inputs) {
        std::fflush(nullptr);
        const pid_t child = fork();
        if (child == 0) {
            runOne(input);
            std::exit(0);
        }
        int status = 0;
        waitpid(child, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            const std::string how = WIFSIGNALED(status) ? "signal " + std::to_string(WTERMSIG(status))
                                                        : "exit " + std::to_string(WEXITSTATUS(status));
            failed.push_back(input.filename().string() + " (" + how + ")");
            std::fprintf(stderr, "FAILED: %s (%s)\n", input.c_str(), how.c_str());
        }
    }
    std::filesystem::remove_all(scratch);
    std::fprintf(stderr, "%zu inputs, %zu failed\n", inputs.size(), failed.size());
    for (const auto& f : failed) std::fprintf(stderr, "  %s\n", f.c_str());
    return inputs.empty() || !failed.empty() ? 1 : 0;
}
