// The game's one random source. Every draw of the rules and of the banner comes from here, so
// the order of draws is one sequence for the whole program and a test can script it.
#pragma once

#include <cstdint>
#include <functional>

// Uniform u with 0 <= u < 1.
double Rnd();

// Int(u × n): 0 .. n − 1 for n > 0.
int32_t Rnd_Int(int32_t n);

// Seeds the default generator; called once at start-up with the clock.
void Seed_Random(uint64_t seed);

// Replaces the source (a test's scripted sequence); an empty function restores the generator.
void Set_Random_Source(std::function<double()> source);
