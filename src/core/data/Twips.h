#pragma once

#include <iosfwd>

namespace quillory {

// A length or position on paper in twips: 1440 to the inch, 20 to the point, 90 to the
// sixteenth of an inch that the alignment is set in. The forms place their values in whole
// twips; the only conversions to points and device pixels are here.
class Twips {
public:
    static constexpr int kPerInch = 1440;
    static constexpr int kPerPoint = 20;
    static constexpr int kPerSixteenth = kPerInch / 16;

    constexpr Twips() = default;
    constexpr explicit Twips(int twips) : value_(twips) {}
    static constexpr Twips inches(int n) { return Twips(n * kPerInch); }
    static constexpr Twips sixteenths(int n) { return Twips(n * kPerSixteenth); }
    // Rounded to the nearest twip.
    static Twips points(double points);

    constexpr int value() const { return value_; }
    constexpr double toPoints() const { return value_ / double(kPerPoint); }
    // How many device pixels one twip is at a resolution in dots per inch.
    static constexpr double pixelsPerTwip(double dpi) { return dpi / kPerInch; }
    // The length in device pixels at a resolution in dots per inch.
    constexpr double toPixels(double dpi) const { return value_ * pixelsPerTwip(dpi); }

    constexpr Twips operator-() const { return Twips(-value_); }
    constexpr Twips &operator+=(Twips t)
    {
        value_ += t.value_;
        return *this;
    }
    constexpr Twips &operator-=(Twips t)
    {
        value_ -= t.value_;
        return *this;
    }
    friend constexpr Twips operator+(Twips a, Twips b) { return a += b; }
    friend constexpr Twips operator-(Twips a, Twips b) { return a -= b; }
    friend constexpr Twips operator*(Twips a, int n) { return Twips(a.value_ * n); }
    friend constexpr Twips operator*(int n, Twips a) { return Twips(a.value_ * n); }
    // How many whole lengths b fit into a.
    friend constexpr int operator/(Twips a, Twips b) { return a.value_ / b.value_; }
    // The nth part, rounded toward zero.
    friend constexpr Twips operator/(Twips a, int n) { return Twips(a.value_ / n); }

    friend constexpr bool operator==(Twips a, Twips b) { return a.value_ == b.value_; }
    friend constexpr bool operator!=(Twips a, Twips b) { return a.value_ != b.value_; }
    friend constexpr bool operator<(Twips a, Twips b) { return a.value_ < b.value_; }
    friend constexpr bool operator<=(Twips a, Twips b) { return a.value_ <= b.value_; }
    friend constexpr bool operator>(Twips a, Twips b) { return a.value_ > b.value_; }
    friend constexpr bool operator>=(Twips a, Twips b) { return a.value_ >= b.value_; }

private:
    int value_ = 0;
};

std::ostream &operator<<(std::ostream &out, Twips t);

// A point on paper: twips right of and below an origin.
struct TwipsPoint {
    Twips x;
    Twips y;

    friend constexpr bool operator==(TwipsPoint a, TwipsPoint b) { return a.x == b.x && a.y == b.y; }
    friend constexpr bool operator!=(TwipsPoint a, TwipsPoint b) { return !(a == b); }
};

struct TwipsSize {
    Twips width;
    Twips height;

    constexpr bool isEmpty() const { return width <= Twips() || height <= Twips(); }
    friend constexpr bool operator==(TwipsSize a, TwipsSize b) { return a.width == b.width && a.height == b.height; }
    friend constexpr bool operator!=(TwipsSize a, TwipsSize b) { return !(a == b); }
};

// A rectangle on paper; right and bottom are its edges (left + width, top + height).
struct TwipsRect {
    Twips left;
    Twips top;
    Twips width;
    Twips height;

    static constexpr TwipsRect of(int left, int top, int width, int height)
    {
        return {Twips(left), Twips(top), Twips(width), Twips(height)};
    }
    constexpr TwipsPoint topLeft() const { return {left, top}; }
    constexpr Twips right() const { return left + width; }
    constexpr Twips bottom() const { return top + height; }
    constexpr TwipsRect translated(TwipsPoint by) const { return {left + by.x, top + by.y, width, height}; }

    friend constexpr bool operator==(const TwipsRect &a, const TwipsRect &b)
    {
        return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
    }
    friend constexpr bool operator!=(const TwipsRect &a, const TwipsRect &b) { return !(a == b); }
};

// Widths kept free at each edge of a page.
struct TwipsMargins {
    Twips left;
    Twips top;
    Twips right;
    Twips bottom;

    friend constexpr bool operator==(const TwipsMargins &a, const TwipsMargins &b)
    {
        return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
    }
};

struct TwipsLine {
    TwipsPoint from;
    TwipsPoint to;

    friend constexpr bool operator==(const TwipsLine &a, const TwipsLine &b)
    {
        return a.from == b.from && a.to == b.to;
    }
};

std::ostream &operator<<(std::ostream &out, const TwipsRect &r);

} // namespace quillory
