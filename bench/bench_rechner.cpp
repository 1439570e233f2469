// "zentavik-rechner baender" as a script calls it: the whole process, from start to exit,
// with all 30 band designs written to standard output. Goal: under 50 ms.

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

void runOnce(benchmark::State& state, const char* const* argv)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, const_cast<char* const*>(argv), environ) != 0) {
        state.SkipWithError("zentavik-rechner startet nicht");
        return;
    }
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        state.SkipWithError("zentavik-rechner endete mit einem Fehler");
}

void BM_BaenderProzess(benchmark::State& state)
{
    const char* argv[] = {ZENTAVIK_RECHNER, "baender", "--vk", "0,95", "--material", "PVC", "--aussen", "3", "--leiter", "2", nullptr};
    for (auto _ : state)
        runOnce(state, argv);
}
BENCHMARK(BM_BaenderProzess)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same process start without any calculation, for comparison.
void BM_VersionProzess(benchmark::State& state)
{
    const char* argv[] = {ZENTAVIK_RECHNER, "--version", nullptr};
    for (auto _ : state)
        runOnce(state, argv);
}
BENCHMARK(BM_VersionProzess)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
