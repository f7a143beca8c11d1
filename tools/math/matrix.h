#pragma once
// Small dense square matrices and vectors for the machine's Markov chains (one row per
// hold state).
#include <cstddef>
#include <vector>

namespace zel::math {

using Vector = std::vector<double>;

class Matrix {
public:
    explicit Matrix(int n = 0) : n(n), a(size_t(n) * size_t(n), 0.0) {}
    static Matrix identity(int n);

    int size() const { return n; }
    double& operator()(int i, int j) { return a[size_t(i) * size_t(n) + size_t(j)]; }
    double operator()(int i, int j) const { return a[size_t(i) * size_t(n) + size_t(j)]; }

    Matrix operator*(const Matrix& o) const;
    Matrix operator+(const Matrix& o) const;
    Matrix operator-(const Matrix& o) const;
    Vector operator*(const Vector& v) const;
    Vector rowsums() const;
    double maxdifference(const Matrix& o) const;

private:
    int n;
    std::vector<double> a;
};

Vector operator+(Vector a, const Vector& b);
double dot(const Vector& a, const Vector& b);

// The matrix raised to a whole power (0 gives the identity).
Matrix power(const Matrix& m, int exponent);
// x with m x = b, by elimination with partial pivoting; throws std::runtime_error when m is singular.
Vector solve(Matrix m, Vector b);
// The distribution p with p k = p and entries summing to 1, for a stochastic matrix k with one
// recurrent class; throws std::runtime_error when there is no single such distribution.
Vector stationary(const Matrix& k);

}  // namespace zel::math
