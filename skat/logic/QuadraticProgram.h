#pragma once
// A strictly convex quadratic programme
//   minimise 0.5 x'Gx + g0'x  subject to  CE'x + ce0 = 0,  CI'x + ci0 >= 0
// solved by the dual active-set method of Goldfarb and Idnani, on TNT arrays.
// The card-location fit is its only user: at most 128 variables.

#include <tnt/tnt_array1d.h>
#include <tnt/tnt_array2d.h>

#include <stdexcept>
#include <string>

// Bad dimensions of a programme (and of a fit problem).
class SolverException : public std::domain_error {
public:
    explicit SolverException(const std::string& message) : std::domain_error(message) { }
};

class QuadraticProgram {
public:
    using Matrix = TNT::Array2D<double>;
    using Vector = TNT::Array1D<double>;

    // CE is n x p and CI n x m (or without rows when there are none).
    QuadraticProgram(const Matrix& G, const Vector& g0, const Matrix& CE, const Vector& ce0, const Matrix& CI,
                     const Vector& ci0);

    bool isValid() const { return valid_; }
    // The optimal value, with the solution in x(). Positive infinity when the
    // constraints cannot be met (x() then holds the last iterate).
    // Throws SolverException for an invalid programme and std::runtime_error
    // when an equality constraint depends on those before it.
    double solve();
    const Vector& x() const { return x_; }

private:
    void setUp();
    // d = J' np
    void computeD(const double* np);
    // z = J2 d2 over the inactive columns, r = R^-1 d1 over the active ones.
    void updateZ();
    void updateR();
    bool addConstraint();
    void deleteConstraint(int constraint);
    double slack(int i) const;
    double dotColumn(const Matrix& M, int column, const Vector& v) const;

    Matrix G_, CE_, CI_;
    Vector g0_, ce0_, ci0_;
    bool valid_ = false;
    int n_ = 0, p_ = 0, m_ = 0;

    Matrix J_, R_;
    Vector x_, d_, z_, r_, u_, np_;
    TNT::Array1D<int> active_;
    int iq_ = 0;
    double c1_ = 0, c2_ = 0, f0_ = 0, rNorm_ = 1;
};
