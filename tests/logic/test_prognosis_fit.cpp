// The fitting of the card-location matrix: the quadratic programme keeps the
// sums exactly and equals the orthogonal projection when no bound binds;
// the least-squares fallback stays inside [0, 1].

#include "skat/logic/QuadraticProgram.h"
#include "skat/logic/SolveStrategy.h"

#include <gtest/gtest.h>
#include <jama/jama_lu.h>

#include <random>

namespace {

// A problem in the prognosis' form: some cards known (a row of 0 and one
// 1), the others open in every place but the asking seat's; targets drawn
// at random (or none, -1). Feasible by construction: every open card has
// two or more open places and no place needs more than it has.
struct Problem {
    ProbMatrix reference = newProbMatrix(0.0);
    ProbMatrix start = newProbMatrix(0.0);
    std::array<int, PLACES> counts{};
    std::array<bool, CARD_ROWS> open{};
};

Problem randomProblem(std::mt19937& rng, bool skatKnown, double targetSpread)
{
    Problem p;
    std::vector<int> rows(CARD_ROWS);
    for (int i = 0; i < CARD_ROWS; ++i)
        rows[static_cast<std::size_t>(i)] = i;
    std::shuffle(rows.begin(), rows.end(), rng);
    // rows[0..9] the own hand (seat 0), rows[10..11] the skat, the rest seats 1 and 2.
    std::array<int, CARD_ROWS> place{};
    for (int i = 0; i < CARD_ROWS; ++i)
        place[static_cast<std::size_t>(rows[static_cast<std::size_t>(i)])] = i < 10 ? 0 : i < 12 ? 3 : i < 22 ? 1 : 2;
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    p.counts = {0, 10, 10, skatKnown ? 0 : 2};
    const double reveal = unit(rng) * 0.5;
    for (int c = 0; c < CARD_ROWS; ++c) {
        const int at = place[static_cast<std::size_t>(c)];
        // Each seat keeps two unknown cards, or the place would be certain.
        const bool known = at == 0 || (at == 3 && skatKnown)
                           || (at != 3 && p.counts[static_cast<std::size_t>(at)] > 2 && unit(rng) < reveal);
        if (known) {
            for (int q = 0; q < PLACES; ++q)
                p.reference[c][q] = p.start[c][q] = q == at ? 1.0 : 0.0;
            if (at != 0 && at != 3)
                --p.counts[static_cast<std::size_t>(at)];
            continue;
        }
        p.open[static_cast<std::size_t>(c)] = true;
    }
    int n = 0;
    for (int k : p.counts)
        n += k;
    for (int c = 0; c < CARD_ROWS; ++c) {
        if (!p.open[static_cast<std::size_t>(c)])
            continue;
        for (int q = 0; q < PLACES; ++q) {
            const bool usable = q != 0 && !(q == 3 && skatKnown);
            if (!usable) {
                p.reference[c][q] = p.start[c][q] = 0.0;
                continue;
            }
            const double prior = static_cast<double>(p.counts[static_cast<std::size_t>(q)]) / n;
            p.start[c][q] = prior;
            const double r = prior + (unit(rng) - 0.5) * targetSpread;
            p.reference[c][q] = unit(rng) < 0.1 ? -1.0 : std::clamp(r, 0.02, 0.98);
        }
    }
    return p;
}

void expectSums(const Problem& p, const ProbMatrix& fitted)
{
    for (int c = 0; c < CARD_ROWS; ++c) {
        if (!p.open[static_cast<std::size_t>(c)])
            continue;
        double sum = 0;
        for (int q = 0; q < PLACES; ++q)
            sum += fitted[c][q];
        EXPECT_NEAR(sum, 1.0, 1e-9) << "card row " << c;
    }
    for (int q = 1; q < PLACES; ++q) {
        double sum = 0;
        for (int c = 0; c < CARD_ROWS; ++c)
            if (p.open[static_cast<std::size_t>(c)])
                sum += fitted[c][q];
        EXPECT_NEAR(sum, p.counts[static_cast<std::size_t>(q)], 1e-9) << "place " << q;
    }
}

TEST(QuadraticFit, RandomFeasibleProblemsKeepEveryRowAndColumnSum)
{
    std::mt19937 rng(20261210);
    for (int round = 0; round < 200; ++round) {
        const bool skatKnown = round % 3 == 0; // the declarer knows the skat
        Problem p = randomProblem(rng, skatKnown, 1.2);
        ProbMatrix fitted = p.start.copy();
        SOLVE_STRATEGY_QP qp;
        qp.reference = p.reference;
        ASSERT_NO_THROW(qp.solve(fitted)) << "round " << round;
        ASSERT_TRUE(std::isfinite(qp.lastValue)) << "round " << round;
        expectSums(p, fitted);
        for (int c = 0; c < CARD_ROWS; ++c)
            for (int q = 0; q < PLACES; ++q) {
                EXPECT_GE(fitted[c][q], 0.0);
                EXPECT_LE(fitted[c][q], 1.0);
            }
    }
}

// Without an active bound the optimum is the orthogonal projection of the
// targets onto the affine set of the sums: x = r - A (A'A)^-1 (A'r - b).
TEST(QuadraticFit, WithNoBoundActiveEqualsTheOrthogonalProjection)
{
    std::mt19937 rng(7);
    for (int round = 0; round < 20; ++round) {
        Problem p = randomProblem(rng, round % 2 == 0, 0.05);
        for (int c = 0; c < CARD_ROWS; ++c)
            for (int q = 0; q < PLACES; ++q)
                if (p.reference[c][q] < -0.99)
                    p.reference[c][q] = p.start[c][q];
        std::vector<MatrixCell> vars;
        for (int q = 0; q < PLACES; ++q)
            for (int c = 0; c < CARD_ROWS; ++c)
                if (p.reference[c][q] > 0.00001 && p.reference[c][q] <= 0.99999)
                    vars.emplace_back(c, q);
        const int n = static_cast<int>(vars.size());
        // Rows sum to 1, every used place but the last to its count.
        std::vector<std::vector<double>> a; // constraints as rows over the variables
        std::vector<double> b;
        for (int c = 0; c < CARD_ROWS; ++c) {
            if (!p.open[static_cast<std::size_t>(c)])
                continue;
            std::vector<double> row(static_cast<std::size_t>(n), 0.0);
            for (int i = 0; i < n; ++i)
                row[static_cast<std::size_t>(i)] = vars[static_cast<std::size_t>(i)].first == c;
            a.push_back(row);
            b.push_back(1.0);
        }
        const int lastPlace = round % 2 == 0 ? 2 : 3;
        for (int q = 1; q < lastPlace; ++q) {
            std::vector<double> row(static_cast<std::size_t>(n), 0.0);
            for (int i = 0; i < n; ++i)
                row[static_cast<std::size_t>(i)] = vars[static_cast<std::size_t>(i)].second == q;
            a.push_back(row);
            b.push_back(p.counts[static_cast<std::size_t>(q)]);
        }
        const int m = static_cast<int>(a.size());
        TNT::Array2D<double> aat(m, m, 0.0);
        TNT::Array1D<double> rhs(m, 0.0);
        for (int i = 0; i < m; ++i) {
            for (int j = 0; j < m; ++j)
                for (int k = 0; k < n; ++k)
                    aat[i][j] += a[i][k] * a[j][k];
            double ar = 0;
            for (int k = 0; k < n; ++k)
                ar += a[i][k] * p.reference[vars[k].first][vars[k].second];
            rhs[i] = ar - b[static_cast<std::size_t>(i)];
        }
        const TNT::Array1D<double> lambda = JAMA::LU<double>(aat).solve(rhs);
        ProbMatrix fitted = p.start.copy();
        SOLVE_STRATEGY_QP qp;
        qp.reference = p.reference;
        qp.solve(fitted);
        for (int k = 0; k < n; ++k) {
            double x = p.reference[vars[k].first][vars[k].second];
            for (int i = 0; i < m; ++i)
                x -= a[i][k] * lambda[i];
            ASSERT_GT(x, 0.0) << "the oracle needs an inner optimum";
            EXPECT_NEAR(fitted[vars[k].first][vars[k].second], x, 1e-9) << "round " << round << " var " << k;
        }
    }
}

TEST(QuadraticFit, BadDimensionsAndDependentConstraintsThrow)
{
    using M = QuadraticProgram::Matrix;
    using V = QuadraticProgram::Vector;
    M g(2, 2, 0.0);
    g[0][0] = g[1][1] = 2.0;
    // g0 of the wrong size.
    QuadraticProgram bad(g, V(3, 0.0), M(2, 1, 1.0), V(1, -1.0), M(0, 0), V(0));
    EXPECT_FALSE(bad.isValid());
    EXPECT_THROW(bad.solve(), SolverException);
    // An empty equality (all coefficients 0) cannot be met or added.
    M ce(2, 2, 0.0);
    ce[0][0] = ce[1][0] = 1.0;
    V ce0(2, -1.0);
    QuadraticProgram empty(g, V(2, 0.0), ce, ce0, M(0, 0), V(0));
    try {
        empty.solve();
        ADD_FAILURE() << "no exception";
    } catch (const SolverException&) {
        ADD_FAILURE() << "wrong exception";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "Constraints are linearly dependent");
    }
}

TEST(QuadraticFit, TheUpperBoundBindsAndTheSumsStillHold)
{
    // Rows 0 and 1 open between seats 1 and 2, one card each; the targets
    // ask for 0.99999 where the box ends at 0.99.
    ProbMatrix reference = newProbMatrix(0.0);
    for (int c = 2; c < CARD_ROWS; ++c)
        reference[c][c < 12 ? 0 : c < 21 ? 1 : c < 30 ? 2 : 3] = 1.0;
    reference[0][1] = 0.99999;
    reference[0][2] = 0.00001;
    reference[1][1] = 0.00001;
    reference[1][2] = 0.99999;
    ProbMatrix fitted = reference.copy();
    SOLVE_STRATEGY_QP qp;
    qp.reference = reference;
    qp.solve(fitted);
    EXPECT_NEAR(fitted[0][1], 0.99, 1e-12);
    EXPECT_NEAR(fitted[0][2], 0.01, 1e-12);
    EXPECT_NEAR(fitted[1][1], 0.01, 1e-12);
    EXPECT_NEAR(fitted[1][2], 0.99, 1e-12);
}

TEST(QuadraticFit, NoUnknownCellLeavesTheMatrix)
{
    ProbMatrix fitted = newProbMatrix(0.0);
    for (int c = 0; c < CARD_ROWS; ++c)
        fitted[c][c % 3] = 1.0;
    SOLVE_STRATEGY_QP qp;
    qp.reference = fitted.copy();
    ProbMatrix before = fitted.copy();
    qp.solve(fitted);
    for (int c = 0; c < CARD_ROWS; ++c)
        for (int q = 0; q < PLACES; ++q)
            EXPECT_EQ(fitted[c][q], before[c][q]);
}

TEST(SvdFit, StaysInsideTheBoundsAndNeverTouchesKnownCells)
{
    std::mt19937 rng(99);
    for (int round = 0; round < 30; ++round) {
        Problem p = randomProblem(rng, false, 2.0);
        SOLVE_STRATEGY_SVD svd;
        svd.reference = p.reference;
        std::uniform_real_distribution<double> unit(-1.0, 1.0);
        for (int c = 0; c < CARD_ROWS; ++c)
            for (int q = 0; q < PLACES; ++q)
                if (p.start[c][q] != 0.0 && p.start[c][q] != 1.0) {
                    svd.cells.emplace_back(c, q);
                    ProbMatrix d = newProbMatrix(0.0);
                    d[c][q] = 1.0;
                    d[(c + 1) % CARD_ROWS][q] = unit(rng); // directions that push far
                    d[c][(q % 3) + 1] = unit(rng) * 3;
                    svd.equations.push_back(d);
                }
        ProbMatrix fitted = p.start.copy();
        svd.solve(fitted);
        for (int c = 0; c < CARD_ROWS; ++c)
            for (int q = 0; q < PLACES; ++q) {
                EXPECT_GE(fitted[c][q], 0.0);
                EXPECT_LE(fitted[c][q], 1.0);
                if (p.start[c][q] == 0.0 || p.start[c][q] == 1.0)
                    EXPECT_EQ(fitted[c][q], p.start[c][q]);
            }
    }
}

TEST(SvdFit, NoEquationLeavesTheMatrix)
{
    ProbMatrix fitted = newProbMatrix(0.3);
    SOLVE_STRATEGY_SVD svd;
    svd.reference = newProbMatrix(0.9);
    svd.solve(fitted);
    EXPECT_EQ(fitted[5][2], 0.3);
}

} // namespace
