#include "math/matrix.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace zel::math {

Matrix Matrix::identity(int n) {
    Matrix m(n);
    for (int i = 0; i < n; ++i) m(i, i) = 1;
    return m;
}

Matrix Matrix::operator*(const Matrix& o) const {
    Matrix r(n);
    for (int i = 0; i < n; ++i)
        for (int k = 0; k < n; ++k) {
            const double x = (*this)(i, k);
            if (x == 0) continue;
            for (int j = 0; j < n; ++j) r(i, j) += x * o(k, j);
        }
    return r;
}

Matrix Matrix::operator+(const Matrix& o) const {
    Matrix r(*this);
    for (size_t i = 0; i < a.size(); ++i) r.a[i] += o.a[i];
    return r;
}

Matrix Matrix::operator-(const Matrix& o) const {
    Matrix r(*this);
    for (size_t i = 0; i < a.size(); ++i) r.a[i] -= o.a[i];
    return r;
}

Vector Matrix::operator*(const Vector& v) const {
    Vector r(size_t(n), 0.0);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) r[size_t(i)] += (*this)(i, j) * v[size_t(j)];
    return r;
}

Vector Matrix::rowsums() const { return (*this) * Vector(size_t(n), 1.0); }

double Matrix::maxdifference(const Matrix& o) const {
    double d = 0;
    for (size_t i = 0; i < a.size(); ++i) d = std::max(d, std::fabs(a[i] - o.a[i]));
    return d;
}

Vector operator+(Vector a, const Vector& b) {
    for (size_t i = 0; i < a.size(); ++i) a[i] += b[i];
    return a;
}

double dot(const Vector& a, const Vector& b) {
    double s = 0;
    for (size_t i = 0; i < a.size(); ++i) s += a[i] * b[i];
    return s;
}

Matrix power(const Matrix& m, int exponent) {
    Matrix result = Matrix::identity(m.size());
    Matrix square = m;
    for (int e = exponent; e > 0; e >>= 1) {
        if (e & 1) result = result * square;
        if (e > 1) square = square * square;
    }
    return result;
}

Vector solve(Matrix m, Vector b) {
    const int n = m.size();
    for (int c = 0; c < n; ++c) {
        int pivot = c;
        for (int r = c + 1; r < n; ++r)
            if (std::fabs(m(r, c)) > std::fabs(m(pivot, c))) pivot = r;
        if (std::fabs(m(pivot, c)) < 1e-300) throw std::runtime_error("singular system");
        if (pivot != c) {
            for (int j = 0; j < n; ++j) std::swap(m(c, j), m(pivot, j));
            std::swap(b[size_t(c)], b[size_t(pivot)]);
        }
        for (int r = c + 1; r < n; ++r) {
            const double f = m(r, c) / m(c, c);
            if (f == 0) continue;
            for (int j = c; j < n; ++j) m(r, j) -= f * m(c, j);
            b[size_t(r)] -= f * b[size_t(c)];
        }
    }
    Vector x(size_t(n), 0.0);
    for (int r = n - 1; r >= 0; --r) {
        double s = b[size_t(r)];
        for (int j = r + 1; j < n; ++j) s -= m(r, j) * x[size_t(j)];
        x[size_t(r)] = s / m(r, r);
    }
    return x;
}

Vector stationary(const Matrix& k) {
    // p (k - I) = 0 with the last equation replaced by sum(p) = 1.
    const int n = k.size();
    Matrix a(n);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) a(i, j) = k(j, i) - (i == j ? 1.0 : 0.0);
    for (int j = 0; j < n; ++j) a(n - 1, j) = 1;
    Vector b(size_t(n), 0.0);
    b[size_t(n - 1)] = 1;
    return solve(a, b);
}

}  // namespace zel::math
