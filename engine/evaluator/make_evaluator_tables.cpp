// Writes the hand evaluator's tables as C++ for the build: the file named by
// the one argument gets the definition of kMadeTables.
#include <cstdio>
#include <fstream>
#include <iostream>

#include "engine/evaluator/evaluator_tables.h"

namespace {

template <typename Numbers>
void write(std::ostream& out, const Numbers& numbers) {
    out << '{';
    size_t n = 0;
    for (const auto number : numbers) out << (n++ % 24 == 0 ? "\n" : "") << number << ',';
    out << "}";
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: make_evaluator_tables OUTPUT\n";
        return 2;
    }
    const korvana::EvaluatorTables tables = korvana::makeEvaluatorTables();
    std::ofstream out(argv[1]);
    out << "// Made by make_evaluator_tables: do not edit.\n"
           "const EvaluatorTables kMadeTables = {\n";
    write(out, tables.flushRanks);
    out << ",\n{" << tables.sevenCards.multiplier << "u,";
    write(out, tables.sevenCards.displacement);
    out << ',';
    write(out, tables.sevenCards.ranks);
    out << "},\n{" << tables.fiveOrSixCards.multiplier << "u,";
    write(out, tables.fiveOrSixCards.displacement);
    out << ',';
    write(out, tables.fiveOrSixCards.ranks);
    out << "}};\n";
    out.close();
    if (!out) {
        std::cerr << "make_evaluator_tables: cannot write " << argv[1] << '\n';
        return 1;
    }
    return 0;
}
