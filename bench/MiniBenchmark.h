#pragma once

// The part of Google Benchmark's interface that bench/PhysicsBench.cpp uses, for the WebAssembly
// build, where the library is not packaged: each benchmark runs for 0.5 s of steady clock, and
// its time per iteration is printed as Google Benchmark prints it.

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <vector>

namespace benchmark {

class State {
public:
    explicit State(std::int64_t iterations) : left_(iterations) {}
    struct Iterator {
        State* s;
        bool operator!=(const Iterator&) const { return s->left_ > 0; }
        void operator++() { --s->left_; }
        int operator*() const { return 0; }
    };
    Iterator begin() { return {this}; }
    Iterator end() { return {this}; }

private:
    std::int64_t left_;
};

// The value's address escapes, so the value must be computed.
inline const void* volatile sink = nullptr;
template <class T> void DoNotOptimize(const T& value) {
    sink = &value;
}

inline std::vector<std::pair<const char*, void (*)(State&)>>& registry() {
    static std::vector<std::pair<const char*, void (*)(State&)>> all;
    return all;
}

inline int registerBenchmark(const char* name, void (*run)(State&)) {
    registry().emplace_back(name, run);
    return 0;
}

inline void runAll() {
    using clock = std::chrono::steady_clock;
    for (auto [name, run] : registry()) {
        std::int64_t n = 1;
        for (;;) {
            State state(n);
            const auto start = clock::now();
            run(state);
            const double seconds = std::chrono::duration<double>(clock::now() - start).count();
            if (seconds > 0.5 || n > (std::int64_t(1) << 40)) {
                std::printf("%-32s %12.1f ns %12lld\n", name, seconds * 1e9 / double(n),
                            static_cast<long long>(n));
                break;
            }
            n *= seconds < 0.05 ? 10 : 2;
        }
    }
}

} // namespace benchmark

#define BENCHMARK(f) static const int f##_registered = benchmark::registerBenchmark(#f, f)
#define BENCHMARK_MAIN()                                                                           \
    int main() {                                                                                   \
        benchmark::runAll();                                                                       \
    }
