// The projectile model's costs: a quadratic-drag trajectory of 3.4 s, the best angle with drag,
// the state at any time, and the closed forms. Google Benchmark on the desktop; in the
// WebAssembly build the same functions under bench/MiniBenchmark.h, run by Node.js.
#if __has_include(<benchmark/benchmark.h>)
#include <benchmark/benchmark.h>
#else
#include "MiniBenchmark.h"
#endif

#include "physics/LaunchSolution.h"
#include "physics/Trajectory.h"

namespace {

physics::Launch ball(physics::Medium medium = physics::Medium::QuadraticDrag) {
    physics::Launch l{25, 45, 0, 9.81, medium};
    l.mass = 0.15, l.diameter = 0.07, l.cd = 0.35, l.rho = 1.2266;
    return l;
}

void QuadraticTrajectory(benchmark::State& state) {
    const physics::Launch l = ball();
    for (auto _ : state)
        benchmark::DoNotOptimize(physics::solve(l));
}
BENCHMARK(QuadraticTrajectory);

// A tennis ball thrown at 20 m/s from 10 km: about 2,000 steps before the exact vertical fall,
// each kept for the state at any time.
void QuadraticLongFall(benchmark::State& state) {
    physics::Launch l = ball();
    l.v0 = 20, l.angle = 0, l.h0 = 1e4, l.mass = 0.057, l.diameter = 0.067, l.cd = 0.55;
    for (auto _ : state)
        benchmark::DoNotOptimize(physics::solve(l));
}
BENCHMARK(QuadraticLongFall);

void QuadraticBestAngle(benchmark::State& state) {
    const physics::Launch l = ball();
    for (auto _ : state)
        benchmark::DoNotOptimize(physics::bestAngle(l));
}
BENCHMARK(QuadraticBestAngle);

// Times spread over the flight, as an animation asks for them.
void QuadraticStateAt(benchmark::State& state) {
    const auto r = physics::solve(ball());
    double t = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(r->at(t));
        t = t + 0.0137 > r->T ? 0 : t + 0.0137;
    }
}
BENCHMARK(QuadraticStateAt);

void LinearTrajectory(benchmark::State& state) {
    const physics::Launch l = ball(physics::Medium::LinearDrag);
    for (auto _ : state)
        benchmark::DoNotOptimize(physics::solve(l));
}
BENCHMARK(LinearTrajectory);

void LinearBestAngle(benchmark::State& state) {
    const physics::Launch l = ball(physics::Medium::LinearDrag);
    for (auto _ : state)
        benchmark::DoNotOptimize(physics::bestAngle(l));
}
BENCHMARK(LinearBestAngle);

void VacuumTrajectory(benchmark::State& state) {
    const physics::Launch l = ball(physics::Medium::Vacuum);
    for (auto _ : state)
        benchmark::DoNotOptimize(physics::solve(l));
}
BENCHMARK(VacuumTrajectory);

void QuadraticSolutionText(benchmark::State& state) {
    const auto r = physics::solve(ball());
    for (auto _ : state)
        benchmark::DoNotOptimize(physics::solutionHtml(*r, tk::Locale::romanian()));
}
BENCHMARK(QuadraticSolutionText);

} // namespace

BENCHMARK_MAIN();
