#include "skat/logic/SolveStrategy.h"

#include "skat/logic/QuadraticProgram.h"

#include <jama/jama_svd.h>

#include <algorithm>
#include <cmath>

ProbMatrix newProbMatrix(double fill) { return ProbMatrix(CARD_ROWS, PLACES, fill); }

SOLVE_STRATEGY::~SOLVE_STRATEGY() = default;

namespace {

bool isVariable(double r) { return std::fabs(r) >= 0.00001 && r <= 0.99999; }
constexpr double NO_ESTIMATE = -0.99;

} // namespace

void SOLVE_STRATEGY_QP::solve(ProbMatrix& fitted)
{
    if (reference.dim1() != CARD_ROWS || reference.dim2() != PLACES || fitted.dim1() != CARD_ROWS
        || fitted.dim2() != PLACES)
        throw SolverException("The input matrices cannot be processed!");
    // Variables place by place, card by card within a place.
    std::vector<MatrixCell> vars;
    for (int p = 0; p < PLACES; ++p)
        for (int c = 0; c < CARD_ROWS; ++c)
            if (isVariable(reference[c][p]))
                vars.emplace_back(c, p);
    const int n = static_cast<int>(vars.size());
    if (n == 0)
        return;

    QuadraticProgram::Matrix G(n, n, 0.0);
    QuadraticProgram::Vector g0(n);
    for (int i = 0; i < n; ++i) {
        const auto [c, p] = vars[static_cast<std::size_t>(i)];
        const double r = reference[c][p];
        G[i][i] = 2.0;
        g0[i] = -2.0 * (r < NO_ESTIMATE ? fitted[c][p] : r);
    }
    QuadraticProgram::Matrix CI(n, 2 * n, 0.0);
    QuadraticProgram::Vector ci0(2 * n);
    for (int i = 0; i < n; ++i) {
        // x >= 0: a bound below 0 would let the write-back of tiny values
        // as 0 break the row and column sums.
        CI[i][2 * i] = 1.0;
        ci0[2 * i] = 0.0;
        CI[i][2 * i + 1] = -1.0;
        ci0[2 * i + 1] = 0.99;
    }

    // One equality per card row that holds variables, then one per place
    // that holds variables but the last such place: its sum follows from
    // the others, and a place without variables would add an empty row.
    std::array<bool, CARD_ROWS> rowUsed{};
    std::array<bool, PLACES> placeUsed{};
    for (const auto& [c, p] : vars) {
        rowUsed[static_cast<std::size_t>(c)] = true;
        placeUsed[static_cast<std::size_t>(p)] = true;
    }
    std::vector<int> rows;
    for (int c = 0; c < CARD_ROWS; ++c)
        if (rowUsed[static_cast<std::size_t>(c)])
            rows.push_back(c);
    std::vector<int> places;
    for (int p = 0; p < PLACES; ++p)
        if (placeUsed[static_cast<std::size_t>(p)])
            places.push_back(p);
    places.pop_back();
    const int eqCount = static_cast<int>(rows.size() + places.size());
    QuadraticProgram::Matrix CE(n, eqCount, 0.0);
    QuadraticProgram::Vector ce0(eqCount, -1.0);
    for (int i = 0; i < n; ++i) {
        const auto [c, p] = vars[static_cast<std::size_t>(i)];
        const auto rowIt = std::find(rows.begin(), rows.end(), c);
        CE[i][static_cast<int>(rowIt - rows.begin())] = 1.0;
        const auto placeIt = std::find(places.begin(), places.end(), p);
        if (placeIt != places.end())
            CE[i][static_cast<int>(rows.size() + static_cast<std::size_t>(placeIt - places.begin()))] = 1.0;
    }
    for (std::size_t k = 0; k < places.size(); ++k) {
        const int p = places[k];
        int ones = 0;
        for (int c = 0; c < CARD_ROWS; ++c)
            if (reference[c][p] == 1.0)
                ++ones;
        ce0[static_cast<int>(rows.size() + k)] = ones - placeCapacity(p);
    }

    QuadraticProgram programme(G, g0, CE, ce0, CI, ci0);
    lastValue = programme.solve();
    const auto& x = programme.x();
    for (int i = 0; i < n; ++i) {
        const auto [c, p] = vars[static_cast<std::size_t>(i)];
        fitted[c][p] = x[i] < 0.000001 ? 0.0 : std::min(x[i], 1.0);
    }
}

void SOLVE_STRATEGY_SVD::solve(ProbMatrix& fitted)
{
    const int m = static_cast<int>(equations.size());
    if (m == 0)
        return;
    TNT::Array2D<double> M(m, m, -1.0);
    TNT::Array1D<double> b(m, -1.0);
    const int used = std::min(m, static_cast<int>(cells.size()));
    for (int k = 0; k < used; ++k) {
        const auto [i, j] = cells[static_cast<std::size_t>(k)];
        for (int e = 0; e < m; ++e)
            M[k][e] = equations[static_cast<std::size_t>(e)][i][j];
        const double r = reference[i][j];
        const double target = r < NO_ESTIMATE ? fitted[i][j] : r;
        b[k] = target - fitted[i][j];
    }
    JAMA::SVD<double> svd(M);
    TNT::Array2D<double> U, V;
    TNT::Array1D<double> sigma;
    svd.getU(U);
    svd.getV(V);
    svd.getSingularValues(sigma);
    // y = V S+ U' b
    std::vector<double> w(static_cast<std::size_t>(m), 0.0);
    for (int e = 0; e < m; ++e) {
        if (sigma[e] == 0.0)
            continue;
        double sum = 0;
        for (int k = 0; k < m; ++k)
            sum += U[k][e] * b[k];
        w[static_cast<std::size_t>(e)] = sum / sigma[e];
    }
    std::vector<double> y(static_cast<std::size_t>(m), 0.0);
    for (int e = 0; e < m; ++e)
        for (int k = 0; k < m; ++k)
            y[static_cast<std::size_t>(e)] += V[e][k] * w[static_cast<std::size_t>(k)];

    for (int c = 0; c < CARD_ROWS; ++c)
        for (int p = 0; p < PLACES; ++p) {
            double& value = fitted[c][p];
            if (value == 0.0 || value == 1.0)
                continue;
            for (int e = 0; e < m; ++e)
                value += equations[static_cast<std::size_t>(e)][c][p] * y[static_cast<std::size_t>(e)];
            if (value > 1.0)
                value = 0.99;
            else if (value < 0.0)
                value = 0.01;
        }
}
