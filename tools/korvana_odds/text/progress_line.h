#pragma once
// The line a long count keeps rewriting on a terminal: what it does, the
// share done and, once its pace shows, about how long it has left.
#include <chrono>
#include <string>

namespace korvana {

// "korvana-odds: counting deals, 42%, about 7 s left"; 'done' 0..1 after
// 'elapsed'. Sampling instead of counting when 'counting' is false.
std::string progressLine(bool counting, double done, std::chrono::duration<double> elapsed);

}  // namespace korvana
