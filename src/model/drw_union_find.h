// Disjoint sets of numbers 0..n-1, for the meeting points and parts of the continuous paths.
#pragma once

#include <numeric>
#include <utility>
#include <vector>

class UnionFind {
public:
    explicit UnionFind(int n = 0) { Grow(n); }

    // Adds single sets up to n numbers.
    void Grow(int n)
    {
        const int old = static_cast<int>(parent.size());
        if (n <= old)
            return;
        parent.resize(n);
        std::iota(parent.begin() + old, parent.end(), old);
        size.resize(n, 1);
    }

    int Find(int a)
    {
        while (parent[a] != a) {
            parent[a] = parent[parent[a]];
            a = parent[a];
        }
        return a;
    }

    // Joins the sets of a and b; returns the root of the joined set, or -1 when they were one set already.
    int Unite(int a, int b)
    {
        a = Find(a);
        b = Find(b);
        if (a == b)
            return -1;
        if (size[a] < size[b])
            std::swap(a, b);
        parent[b] = a;
        size[a] += size[b];
        return a;
    }

private:
    std::vector<int> parent;
    std::vector<int> size;
};
