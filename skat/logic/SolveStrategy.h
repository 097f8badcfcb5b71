#pragma once
// Fitting of the card-location matrix (32 cards x 4 places: the three seats
// and the skat). Known cells hold exactly 0 or 1; the others get values that
// keep every card's row sum 1 and every place's column sum at the cards it
// still lacks, as close as possible to their targets.

#include <tnt/tnt_array2d.h>

#include <array>
#include <utility>
#include <vector>

using ProbMatrix = TNT::Array2D<double>;
// A cell of the matrix: (card row, place).
using MatrixCell = std::pair<int, int>;

inline constexpr int CARD_ROWS = 32;
inline constexpr int PLACES = 4;
// Cards a place holds: 10 for a seat, 2 for the skat.
constexpr int placeCapacity(int place) { return place == 3 ? 2 : 10; }

ProbMatrix newProbMatrix(double fill);

class SOLVE_STRATEGY {
public:
    virtual ~SOLVE_STRATEGY();
    // Fits the matrix in place (on entry the start values).
    virtual void solve(ProbMatrix& fitted) = 0;

    // Directions of change that keep the sums (one 32 x 4 matrix per cell).
    std::vector<ProbMatrix> equations;
    // Known cells 0 or 1, others the target; below -0.99: the target is the
    // cell's value in the matrix being fitted.
    ProbMatrix reference;
    std::vector<MatrixCell> cells;
    int openCards = 0;
    int openPlaces = PLACES;
    int uncertainCells = 0;
};

// The quadratic programme: squared distance to the targets, each variable in
// [0, 0.99], exact row and column sums. Throws SolverException or
// std::runtime_error (dependent constraints) with the matrix untouched.
class SOLVE_STRATEGY_QP : public SOLVE_STRATEGY {
public:
    void solve(ProbMatrix& fitted) override;
    // The optimal value of the last solve (infinity when infeasible).
    double lastValue = 0;
};

// Least squares over the equations by a singular value decomposition; the
// result is clamped into [0.01, 0.99] where it left [0, 1]. Never throws.
class SOLVE_STRATEGY_SVD : public SOLVE_STRATEGY {
public:
    void solve(ProbMatrix& fitted) override;
};
