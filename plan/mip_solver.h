#pragma once

#include <chrono>
#include <limits>
#include <memory>
#include <utility>
#include <vector>

namespace korva {

// A small mixed-integer program, minimised: the planner builds it and a
// solver behind MipSolver answers it, so that the solver can be exchanged.
inline constexpr double kUnbounded = std::numeric_limits<double>::infinity();

struct MipColumn {
    double lower = 0.0;
    double upper = kUnbounded;
    double cost = 0.0;
    bool integer = false;
};

// lower <= sum of coefficient * column <= upper; either side may be unbounded.
struct MipRow {
    std::vector<std::pair<int, double>> terms;
    double lower = -kUnbounded;
    double upper = kUnbounded;
};

struct MipProblem {
    std::vector<MipColumn> columns;
    std::vector<MipRow> rows;

    int addColumn(const MipColumn& c) {
        columns.push_back(c);
        return static_cast<int>(columns.size()) - 1;
    }
};

enum class MipStatus {
    optimal,
    stoppedEarly, // the time ran out: the best solution found so far
    infeasible,
    noSolution, // the time ran out before any solution was found
};

struct MipResult {
    MipStatus status = MipStatus::noSolution;
    std::vector<double> values; // one per column when there is a solution
    double objective = 0.0;
    bool hasSolution() const { return status == MipStatus::optimal || status == MipStatus::stoppedEarly; }
};

class MipSolver {
public:
    virtual ~MipSolver() = default;
    // Stops at the first solution found once `timeLimit` has passed; with no
    // solution by then it goes on for up to five times the limit and one
    // second more before it gives up.
    virtual MipResult solve(const MipProblem& problem, std::chrono::milliseconds timeLimit) const = 0;
};

// The GNU Linear Programming Kit's branch and bound.
std::unique_ptr<MipSolver> makeGlpkSolver();

} // namespace korva
