// The fault matrix as tests: one test per row (an edition's session), whose cells (one per
// fault) run side by side, since each mostly waits for its terminal. Every row prints its line
// of the table; the program prints the whole table of the rows it ran when it ends:
//
//   build/release/tests/faults/test_faults            # every row, then the table
//   ctest -R '^faults\.'                               # one row per test

#include <gtest/gtest.h>

#include <algorithm>
#include <iomanip>
#include <iostream>
#include <map>
#include <mutex>
#include <sstream>
#include <thread>

#include "faults/FaultMatrix.h"

namespace morvik::faults {
namespace {

// Cells of one row running at once: enough to overlap their waiting, few enough that a loaded
// machine still answers every terminal in time.
constexpr std::size_t kParallelCells = 5;

struct RowOutcome {
    std::map<Fault, std::vector<std::string>> problems;
};

std::mutex tableMutex;
std::vector<std::pair<std::string, RowOutcome>> table;

RowOutcome RunRow(const Row& row) {
    RowOutcome outcome;
    std::mutex mutex;
    std::size_t next = 0;
    const std::vector<Fault>& faults = AllFaults();
    auto work = [&]() {
        for (;;) {
            Fault fault;
            {
                std::lock_guard<std::mutex> lock(mutex);
                if (next >= faults.size()) {
                    return;
                }
                fault = faults[next++];
            }
            std::vector<std::string> problems;
            try {
                problems = RunCell(row, fault);
            } catch (const std::exception& error) {
                problems = {std::string("cell could not run: ") + error.what()};
            }
            std::lock_guard<std::mutex> lock(mutex);
            outcome.problems[fault] = std::move(problems);
        }
    };
    std::vector<std::thread> workers;
    for (std::size_t i = 0; i < kParallelCells; ++i) {
        workers.emplace_back(work);
    }
    for (std::thread& worker : workers) {
        worker.join();
    }
    return outcome;
}

std::string TableText() {
    std::ostringstream out;
    constexpr int kNameWidth = 22;
    out << std::left << std::setw(kNameWidth) << "session";
    for (Fault fault : AllFaults()) {
        out << " " << std::setw(11) << FaultName(fault);
    }
    out << "\n";
    int passed = 0;
    int failed = 0;
    for (const auto& [name, outcome] : table) {
        out << std::setw(kNameWidth) << name;
        for (Fault fault : AllFaults()) {
            const auto cell = outcome.problems.find(fault);
            const bool ok = cell != outcome.problems.end() && cell->second.empty();
            (ok ? passed : failed)++;
            out << " " << std::setw(11) << (ok ? "pass" : "FAIL");
        }
        out << "\n";
    }
    out << passed << " cells passed, " << failed << " failed\n";
    return out.str();
}

class TablePrinter : public ::testing::Environment {
  public:
    void TearDown() override {
        std::lock_guard<std::mutex> lock(tableMutex);
        if (!table.empty()) {
            std::cout << "\nFault matrix (rows: sessions, columns: terminal faults)\n"
                      << TableText();
        }
    }
};

const ::testing::Environment* const kPrinter =
    ::testing::AddGlobalTestEnvironment(new TablePrinter);

class FaultMatrix : public ::testing::TestWithParam<std::size_t> {};

TEST_P(FaultMatrix, EveryFaultEndsAsDescribed) {
    const Row& row = AllRows()[GetParam()];
    const RowOutcome outcome = RunRow(row);
    {
        std::lock_guard<std::mutex> lock(tableMutex);
        table.emplace_back(row.name, outcome);
    }
    for (Fault fault : AllFaults()) {
        const auto cell = outcome.problems.find(fault);
        ASSERT_NE(cell, outcome.problems.end());
        for (const std::string& problem : cell->second) {
            ADD_FAILURE() << row.name << " / " << FaultName(fault) << ": " << problem;
        }
    }
}

std::string RowTestName(const ::testing::TestParamInfo<std::size_t>& info) {
    std::string name = AllRows()[info.param].name;
    std::replace_if(
        name.begin(), name.end(),
        [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return name;
}

INSTANTIATE_TEST_SUITE_P(Rows, FaultMatrix, ::testing::Range<std::size_t>(0, AllRows().size()),
                         RowTestName);

}  // namespace
}  // namespace morvik::faults
