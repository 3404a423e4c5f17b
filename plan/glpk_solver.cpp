#include <glpk.h>

#include <cmath>

#include "plan/mip_solver.h"

namespace korva {

namespace {

using Clock = std::chrono::steady_clock;

struct Watch {
    Clock::time_point start = Clock::now();
    std::chrono::milliseconds limit;
    bool found = false;
};

void onSearchEvent(glp_tree* tree, void* info) {
    Watch& w = *static_cast<Watch*>(info);
    if (glp_ios_reason(tree) == GLP_IBINGO) w.found = true;
    const auto spent = Clock::now() - w.start;
    const auto giveUp = 5 * w.limit + std::chrono::seconds(1);
    if ((w.found && spent >= w.limit) || spent >= giveUp) glp_ios_terminate(tree);
}

// GLPK stops the whole program on input it does not accept, so bounds are
// set only in the forms it takes: finite, and lower never above upper.
int boundType(double lower, double upper) {
    const bool lo = std::isfinite(lower), up = std::isfinite(upper);
    if (lo && up) return lower == upper ? GLP_FX : GLP_DB;
    if (lo) return GLP_LO;
    if (up) return GLP_UP;
    return GLP_FR;
}

double finiteOr0(double v) { return std::isfinite(v) ? v : 0.0; }

bool acceptable(const MipProblem& p) {
    for (const MipColumn& c : p.columns)
        if (std::isnan(c.lower) || std::isnan(c.upper) || c.lower > c.upper || !std::isfinite(c.cost)) return false;
    for (const MipRow& r : p.rows) {
        if (std::isnan(r.lower) || std::isnan(r.upper) || r.lower > r.upper) return false;
        for (const auto& [col, a] : r.terms)
            if (col < 0 || col >= static_cast<int>(p.columns.size()) || !std::isfinite(a)) return false;
    }
    return true;
}

void load(glp_prob* lp, const MipProblem& p) {
    glp_set_obj_dir(lp, GLP_MIN);
    glp_add_cols(lp, static_cast<int>(p.columns.size()));
    for (std::size_t j = 0; j < p.columns.size(); ++j) {
        const MipColumn& c = p.columns[j];
        const int col = static_cast<int>(j) + 1;
        glp_set_col_bnds(lp, col, boundType(c.lower, c.upper), finiteOr0(c.lower), finiteOr0(c.upper));
        glp_set_obj_coef(lp, col, c.cost);
        if (c.integer) glp_set_col_kind(lp, col, GLP_IV);
    }
    if (p.rows.empty()) return;
    glp_add_rows(lp, static_cast<int>(p.rows.size()));
    std::vector<int> ia{0}, ja{0};
    std::vector<double> ar{0.0};
    for (std::size_t i = 0; i < p.rows.size(); ++i) {
        const MipRow& r = p.rows[i];
        const int row = static_cast<int>(i) + 1;
        glp_set_row_bnds(lp, row, boundType(r.lower, r.upper), finiteOr0(r.lower), finiteOr0(r.upper));
        for (const auto& [col, a] : r.terms) {
            if (a == 0.0) continue;
            ia.push_back(row);
            ja.push_back(col + 1);
            ar.push_back(a);
        }
    }
    glp_load_matrix(lp, static_cast<int>(ia.size()) - 1, ia.data(), ja.data(), ar.data());
}

class GlpkSolver final : public MipSolver {
public:
    MipResult solve(const MipProblem& problem, std::chrono::milliseconds timeLimit) const override {
        MipResult result;
        if (!acceptable(problem)) return result;
        glp_term_out(GLP_OFF);
        glp_prob* lp = glp_create_prob();
        load(lp, problem);
        Watch watch{Clock::now(), timeLimit};
        glp_iocp parm;
        glp_init_iocp(&parm);
        parm.msg_lev = GLP_MSG_OFF;
        parm.presolve = GLP_ON;
        // A gap below 1e-4 of the objective is far less than the cost of
        // one quarter step moved: such a plan counts as the best.
        parm.mip_gap = 1e-4;
        parm.cb_func = onSearchEvent;
        parm.cb_info = &watch;
        const int ret = glp_intopt(lp, &parm);
        const int status = glp_mip_status(lp);
        if (status == GLP_OPT && (ret == 0 || ret == GLP_EMIPGAP))
            result.status = MipStatus::optimal;
        else if (status == GLP_FEAS && ret == GLP_EMIPGAP)
            result.status = MipStatus::optimal;
        else if (status == GLP_OPT || status == GLP_FEAS)
            result.status = MipStatus::stoppedEarly;
        else if (status == GLP_NOFEAS || ret == GLP_ENOPFS)
            result.status = MipStatus::infeasible;
        if (result.hasSolution()) {
            for (std::size_t j = 0; j < problem.columns.size(); ++j)
                result.values.push_back(glp_mip_col_val(lp, static_cast<int>(j) + 1));
            result.objective = glp_mip_obj_val(lp);
        }
        glp_delete_prob(lp);
        return result;
    }
};

} // namespace

std::unique_ptr<MipSolver> makeGlpkSolver() { return std::make_unique<GlpkSolver>(); }

} // namespace korva
