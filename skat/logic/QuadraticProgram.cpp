#include "skat/logic/QuadraticProgram.h"

#include <jama/jama_cholesky.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {

constexpr double EPS = std::numeric_limits<double>::epsilon();
constexpr double INF = std::numeric_limits<double>::infinity();

const char* const INVALID_INPUT = "The input matrices cannot be processed!";
const char* const DEPENDENT = "Constraints are linearly dependent";

// sqrt(a^2 + b^2) without overflow.
double distance(double a, double b) { return std::hypot(a, b); }

} // namespace

QuadraticProgram::QuadraticProgram(const Matrix& G, const Vector& g0, const Matrix& CE, const Vector& ce0,
                                   const Matrix& CI, const Vector& ci0)
    : G_(G)
    , CE_(CE)
    , CI_(CI)
    , g0_(g0)
    , ce0_(ce0)
    , ci0_(ci0)
{
    n_ = G.dim1();
    p_ = CE.dim2();
    m_ = CI.dim2();
    valid_ = G.dim1() == G.dim2() && g0.dim() == n_ && (CE.dim1() == n_ || CE.dim1() == 0)
             && (CI.dim1() == n_ || CI.dim1() == 0) && ce0.dim() == CE.dim2() && ci0.dim() == CI.dim2();
    if (CE.dim1() == 0)
        p_ = 0;
    if (CI.dim1() == 0)
        m_ = 0;
    if (valid_)
        setUp();
}

void QuadraticProgram::setUp()
{
    JAMA::Cholesky<double> cholesky(G_);
    if (!cholesky.is_spd()) {
        valid_ = false;
        return;
    }
    const Matrix L = cholesky.getL();
    c1_ = 0;
    for (int i = 0; i < n_; ++i)
        c1_ += G_[i][i];
    // J = L^-T: solve L' J = I column by column (L' is upper triangular).
    J_ = Matrix(n_, n_, 0.0);
    for (int col = 0; col < n_; ++col)
        for (int i = n_ - 1; i >= 0; --i) {
            double sum = i == col ? 1.0 : 0.0;
            for (int k = i + 1; k < n_; ++k)
                sum -= L[k][i] * J_[k][col];
            J_[i][col] = sum / L[i][i];
        }
    c2_ = 0;
    for (int i = 0; i < n_; ++i)
        c2_ += J_[i][i];
    Vector minusG0(n_);
    for (int i = 0; i < n_; ++i)
        minusG0[i] = -g0_[i];
    x_ = cholesky.solve(minusG0);
    f0_ = 0;
    for (int i = 0; i < n_; ++i)
        f0_ += g0_[i] * x_[i];
    f0_ *= 0.5;
}

double QuadraticProgram::dotColumn(const Matrix& M, int column, const Vector& v) const
{
    double sum = 0;
    for (int i = 0; i < n_; ++i)
        sum += M[i][column] * v[i];
    return sum;
}

double QuadraticProgram::slack(int i) const { return dotColumn(CI_, i, x_) + ci0_[i]; }

void QuadraticProgram::computeD(const double* np)
{
    for (int i = 0; i < n_; ++i) {
        double sum = 0;
        for (int j = 0; j < n_; ++j)
            sum += J_[j][i] * np[j];
        d_[i] = sum;
    }
}

void QuadraticProgram::updateZ()
{
    for (int i = 0; i < n_; ++i) {
        double sum = 0;
        for (int j = iq_; j < n_; ++j)
            sum += J_[i][j] * d_[j];
        z_[i] = sum;
    }
}

void QuadraticProgram::updateR()
{
    for (int i = iq_ - 1; i >= 0; --i) {
        double sum = 0;
        for (int j = i + 1; j < iq_; ++j)
            sum += R_[i][j] * r_[j];
        r_[i] = (d_[i] - sum) / R_[i][i];
    }
}

// Givens rotations bring d to the form (d1, h, 0...); h becomes the new
// diagonal element of R. A tiny h means the new normal lies in the span of
// the active ones.
bool QuadraticProgram::addConstraint()
{
    for (int j = n_ - 1; j >= iq_ + 1; --j) {
        double cc = d_[j - 1];
        double ss = d_[j];
        const double h = distance(cc, ss);
        if (h == 0.0)
            continue;
        d_[j] = 0.0;
        ss /= h;
        cc /= h;
        if (cc < 0.0) {
            cc = -cc;
            ss = -ss;
            d_[j - 1] = -h;
        } else {
            d_[j - 1] = h;
        }
        const double xny = ss / (1.0 + cc);
        for (int k = 0; k < n_; ++k) {
            const double t1 = J_[k][j - 1];
            const double t2 = J_[k][j];
            J_[k][j - 1] = t1 * cc + t2 * ss;
            J_[k][j] = xny * (t1 + J_[k][j - 1]) - t2;
        }
    }
    ++iq_;
    for (int i = 0; i < iq_; ++i)
        R_[i][iq_ - 1] = d_[i];
    if (std::fabs(d_[iq_ - 1]) <= EPS * rNorm_)
        return false;
    rNorm_ = std::max(rNorm_, std::fabs(d_[iq_ - 1]));
    return true;
}

void QuadraticProgram::deleteConstraint(int constraint)
{
    int qq = -1;
    for (int i = p_; i < iq_; ++i)
        if (active_[i] == constraint) {
            qq = i;
            break;
        }
    if (qq < 0)
        return;
    for (int i = qq; i < iq_ - 1; ++i) {
        active_[i] = active_[i + 1];
        u_[i] = u_[i + 1];
        for (int j = 0; j < n_; ++j)
            R_[j][i] = R_[j][i + 1];
    }
    active_[iq_ - 1] = active_[iq_];
    u_[iq_ - 1] = u_[iq_];
    active_[iq_] = 0;
    u_[iq_] = 0.0;
    for (int j = 0; j < iq_; ++j)
        R_[j][iq_ - 1] = 0.0;
    --iq_;
    if (iq_ == 0)
        return;
    // Back to upper triangular form.
    for (int j = qq; j < iq_; ++j) {
        double cc = R_[j][j];
        double ss = R_[j + 1][j];
        const double h = distance(cc, ss);
        if (h == 0.0)
            continue;
        cc /= h;
        ss /= h;
        R_[j + 1][j] = 0.0;
        if (cc < 0.0) {
            R_[j][j] = -h;
            cc = -cc;
            ss = -ss;
        } else {
            R_[j][j] = h;
        }
        const double xny = ss / (1.0 + cc);
        for (int k = j + 1; k < iq_; ++k) {
            const double t1 = R_[j][k];
            const double t2 = R_[j + 1][k];
            R_[j][k] = t1 * cc + t2 * ss;
            R_[j + 1][k] = xny * (t1 + R_[j][k]) - t2;
        }
        for (int k = 0; k < n_; ++k) {
            const double t1 = J_[k][j];
            const double t2 = J_[k][j + 1];
            J_[k][j] = t1 * cc + t2 * ss;
            J_[k][j + 1] = xny * (J_[k][j] + t1) - t2;
        }
    }
}

double QuadraticProgram::solve()
{
    if (!valid_)
        throw SolverException(INVALID_INPUT);
    const int slots = n_ + p_ + m_ + 1;
    R_ = Matrix(n_ + 1, n_ + 1, 0.0);
    d_ = Vector(n_, 0.0);
    z_ = Vector(n_, 0.0);
    r_ = Vector(slots, 0.0);
    u_ = Vector(slots, 0.0);
    np_ = Vector(n_, 0.0);
    active_ = TNT::Array1D<int>(slots, 0);
    iq_ = 0;
    rNorm_ = 1.0;
    double f = f0_;

    // The equality constraints are active from the start.
    for (int i = 0; i < p_; ++i) {
        for (int j = 0; j < n_; ++j)
            np_[j] = CE_[j][i];
        computeD(&np_[0]);
        updateZ();
        updateR();
        double t2 = 0.0;
        const double zz = [&] {
            double s = 0;
            for (int j = 0; j < n_; ++j)
                s += z_[j] * z_[j];
            return s;
        }();
        double znp = 0;
        for (int j = 0; j < n_; ++j)
            znp += z_[j] * np_[j];
        if (std::fabs(zz) > EPS)
            t2 = (-dotColumn(CE_, i, x_) - ce0_[i]) / znp;
        for (int j = 0; j < n_; ++j)
            x_[j] += t2 * z_[j];
        u_[iq_] = t2;
        for (int k = 0; k < iq_; ++k)
            u_[k] -= t2 * r_[k];
        f += 0.5 * t2 * t2 * znp;
        active_[i] = -i - 1;
        if (!addConstraint())
            throw std::runtime_error(DEPENDENT);
    }

    if (m_ == 0)
        return f;

    std::vector<int> candidate(static_cast<std::size_t>(m_));
    std::vector<char> allowed(static_cast<std::size_t>(m_));
    std::vector<double> s(static_cast<std::size_t>(m_));
    Vector xOld(n_), uOld(slots);
    std::vector<int> activeOld(static_cast<std::size_t>(slots));
    for (int i = 0; i < m_; ++i)
        candidate[static_cast<std::size_t>(i)] = i;

    for (int guard = 0; guard < 100000; ++guard) {
        // Step 2: the slacks; stop when no constraint is violated enough.
        for (int i = p_; i < iq_; ++i)
            candidate[static_cast<std::size_t>(active_[i])] = -1;
        double psi = 0.0;
        for (int i = 0; i < m_; ++i) {
            allowed[static_cast<std::size_t>(i)] = 1;
            s[static_cast<std::size_t>(i)] = slack(i);
            psi += std::min(0.0, s[static_cast<std::size_t>(i)]);
        }
        if (std::fabs(psi) <= m_ * EPS * c1_ * c2_ * 100.0)
            return f;
        for (int i = 0; i < n_; ++i)
            xOld[i] = x_[i];
        for (int i = 0; i < iq_; ++i) {
            uOld[i] = u_[i];
            activeOld[static_cast<std::size_t>(i)] = active_[i];
        }

    chooseConstraint:
        int ip = -1;
        double most = 0.0;
        for (int i = 0; i < m_; ++i) {
            const auto k = static_cast<std::size_t>(i);
            if (s[k] < most && candidate[k] != -1 && allowed[k]) {
                most = s[k];
                ip = i;
            }
        }
        if (ip < 0)
            return f;
        for (int j = 0; j < n_; ++j)
            np_[j] = CI_[j][ip];
        u_[iq_] = 0.0;
        active_[iq_] = ip;

        for (int inner = 0; inner < 100000; ++inner) {
            // Step 3: the step direction for constraint ip.
            computeD(&np_[0]);
            updateZ();
            updateR();
            int blocking = -1;
            double t1 = INF;
            for (int k = p_; k < iq_; ++k)
                if (r_[k] > 0.0 && u_[k] / r_[k] < t1) {
                    t1 = u_[k] / r_[k];
                    blocking = active_[k];
                }
            double zz = 0, znp = 0;
            for (int j = 0; j < n_; ++j) {
                zz += z_[j] * z_[j];
                znp += z_[j] * np_[j];
            }
            const double t2 = std::fabs(zz) > EPS ? -s[static_cast<std::size_t>(ip)] / znp : INF;
            const double t = std::min(t1, t2);
            if (t >= INF)
                return INF; // no point meets the constraints
            if (t2 >= INF) {
                // A step in dual space only.
                for (int k = 0; k < iq_; ++k)
                    u_[k] -= t * r_[k];
                u_[iq_] += t;
                candidate[static_cast<std::size_t>(blocking)] = blocking;
                deleteConstraint(blocking);
                continue;
            }
            for (int j = 0; j < n_; ++j)
                x_[j] += t * z_[j];
            f += t * znp * (0.5 * t + u_[iq_]);
            for (int k = 0; k < iq_; ++k)
                u_[k] -= t * r_[k];
            u_[iq_] += t;
            if (std::fabs(t - t2) < EPS) {
                // Full step: ip joins the active set.
                if (!addConstraint()) {
                    allowed[static_cast<std::size_t>(ip)] = 0;
                    deleteConstraint(ip);
                    for (int i = 0; i < m_; ++i)
                        candidate[static_cast<std::size_t>(i)] = i;
                    for (int i = p_; i < iq_; ++i) {
                        active_[i] = activeOld[static_cast<std::size_t>(i)];
                        u_[i] = uOld[i];
                        candidate[static_cast<std::size_t>(active_[i])] = -1;
                    }
                    for (int i = 0; i < n_; ++i)
                        x_[i] = xOld[i];
                    goto chooseConstraint;
                }
                candidate[static_cast<std::size_t>(ip)] = -1;
                break;
            }
            // Partial step: the blocking constraint leaves.
            candidate[static_cast<std::size_t>(blocking)] = blocking;
            deleteConstraint(blocking);
            s[static_cast<std::size_t>(ip)] = slack(ip);
        }
    }
    return f;
}
