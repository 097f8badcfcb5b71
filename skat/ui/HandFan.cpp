#include "skat/ui/HandFan.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float PI_APPROX = 3.14f;
constexpr double DEGREE = 0.017453292519943295;

int toInt(double value) { return static_cast<int>(value); }

// The polar angle of (u, v), with pi taken as 3.14 as the turn of the cards
// was tuned with it.
float polarAngle(int u, int v)
{
    if (u > 0)
        return std::atan(static_cast<float>(v) / static_cast<float>(u));
    if (u < 0) {
        if (v >= 0)
            return PI_APPROX - std::atan(static_cast<float>(v) / static_cast<float>(-u));
        return std::atan(static_cast<float>(-v) / static_cast<float>(-u)) - PI_APPROX;
    }
    if (v > 0)
        return PI_APPROX / 2;
    if (v < 0)
        return -PI_APPROX / 2;
    return 0.0f;
}

} // namespace

int HandFan::cardWidth() const { return 2 * toInt(120.0 * scale * 0.5); }
int HandFan::cardHeight() const { return 2 * toInt(180.0 * scale * 0.5); }

int HandFan::step(int n) const
{
    int base = 30;
    if (hasController && panelShown) {
        base = 24;
    } else if (fixedSpacing > 0) {
        base = fixedSpacing;
        if (layout == LayoutKind::Small) {
            if (n == 11)
                base = toInt(fixedSpacing * 0.91);
            else if (n >= 12)
                base = toInt(fixedSpacing * 0.87);
        }
    }
    return toInt(base * 0.8);
}

float HandFan::lift() const
{
    const double travel = (90.0 - raiseStep) * scale;
    if (travel <= 0.0)
        return 0.0f;
    const double f = (rowTop - raiseStep * scale - moving.y) / travel;
    return static_cast<float>(std::clamp(f, 0.0, 1.0));
}

int HandFan::cardX(int i, int n) const
{
    const int s = step(n);
    const int w = cardWidth();
    int x0 = toInt((width - w - (n - 1) * s * scale) * 0.5);
    if (layout == LayoutKind::Small && orientation == 0.0f) {
        const int k = 9 + 3 * (n == 12) + (n == 11) - 2 * (2 * (n < 10) + (n < 9) + (n < 8));
        x0 += 5 * k;
    } else if (layout == LayoutKind::Portrait) {
        x0 += 20 + 20 * ((n == 11) + 2 * (n == 12));
    }
    if (wideCards())
        x0 = std::max(x0, layout == LayoutKind::Portrait ? 150 : 430);

    double o = (i - 1) * s;
    if (moving.active) {
        const float f = lift();
        if (moving.flight) {
            const bool wide = wideCards();
            const int k = moving.inHand ? moving.position : moving.position - 1;
            if (!moving.inHand) {
                if (k < i)
                    o += wide ? s : s / 2;
                else if (!wide)
                    o -= s / 2;
            }
            const int d = wide ? s : s / 2;
            if (k < i)
                o = toInt(o - f * d);
            else if (!wide)
                o = toInt(o + f * (s / 2));
        } else {
            const int k = moving.position;
            if (k < i)
                o = toInt(o - f * (s / 2));
            else if (k > i)
                o = toInt(o + f * (s / 2));
        }
    }

    const bool side = orientation != 0.0f;
    int x = (theme <= 3 && side && !faceDown) ? toInt(scale * 1.5 * o + x0) : toInt(o * scale + x0);
    if (!side)
        return x;
    if (theme == 4) {
        return orientation > 0.0f ? 200 - x : toInt(200.0 - 0.7 * o);
    }
    if (!faceDown)
        x = orientation > 0.0f ? 420 - x : toInt(200.0 - 0.7 * o + 160.0);
    if (layout == LayoutKind::Portrait)
        x -= orientation > 0.0f ? 100 : 50;
    return x;
}

int HandFan::cardY(int i, int n) const
{
    const bool side = orientation != 0.0f;
    if (!side || (theme <= 3 && faceDown)) {
        const double t = ((i + 2.0) - n * 0.5) * 1.099557410031076 / 13.0;
        return toInt((1.0 - std::sin(std::acos(t))) * 180.0 - 20.0);
    }
    const int s = step(n);
    const int m = i - n / 2 - 1;
    if (orientation > 0.0f)
        return toInt(m * s * scale * 0.7 - 30.0 - 20.0) + (theme != 4 ? 50 : 0);
    return toInt(-45.0 - m * s * scale * 0.8 - 15.0) + (theme != 4 ? 70 : 0);
}

float HandFan::cardAngle(int i, int n) const
{
    const float c = (static_cast<float>(i) - 0.5f) - static_cast<float>(n) * 0.5f;
    float angle = -4.0f * c;
    if (orientation != 0.0f) {
        if (theme == 4)
            angle = (orientation > 0.0f ? 45.0f : -45.0f) - 8.0f * c;
        else if (!faceDown)
            angle = (orientation > 0.0f ? -5.0f : -15.0f) - 8.0f * c;
    }
    if (moving.active && moving.flight && !wideCards()) {
        const int k = moving.inHand ? moving.position : moving.position - 1;
        const float f = lift();
        if (!moving.inHand)
            angle += i > k ? -2.0f : 2.0f;
        angle += i > k ? 2.0f * f : -2.0f * f;
    }
    return angle;
}

int HandFan::hitTest(int px, int py, int n, int raised) const
{
    const int w = cardWidth();
    const int h = cardHeight();
    const int raise = toInt(raiseStep * scale);
    for (int i = n; i >= 1; --i) {
        const int left = cardX(i, n);
        const int top = cardY(i, n) + rowTop - (i == raised ? raise : 0);
        const int cx = left + w / 2;
        const int cy = top + h / 2;
        const int u = px - cx;
        const int v = py - cy;
        const float r = std::sqrt(static_cast<float>(u) * u + static_cast<float>(v) * v);
        const double phi = polarAngle(u, v) + cardAngle(i, n) * DEGREE;
        const int qx = toInt(std::cos(phi) * r + cx);
        const int qy = toInt(std::sin(phi) * r + cy);
        if (qx >= left && qx <= left + w && qy >= top && qy <= top + h)
            return i;
    }
    return 0;
}

float fittedOwnHandScale(const HandFan& fan, int viewY, int clientHeight)
{
    constexpr int CARDS = 10;
    constexpr int MARGIN = 2;
    HandFan f = fan;
    for (float scale = fan.scale; scale > MIN_OWN_HAND_SCALE; scale -= 0.01f) {
        f.scale = scale;
        f.rowTop = toInt(f.raiseStep * scale + viewY);
        int bottom = 0;
        for (int i = 1; i <= CARDS; ++i) {
            // The lowest corner of the turned card.
            const double turn = f.cardAngle(i, CARDS) * DEGREE;
            const double half =
                f.cardHeight() * 0.5 * std::abs(std::cos(turn)) + f.cardWidth() * 0.5 * std::abs(std::sin(turn));
            bottom = std::max(bottom, toInt(f.rowTop + f.cardY(i, CARDS) + f.cardHeight() * 0.5 + half + 0.999));
        }
        if (bottom <= clientHeight - MARGIN)
            return scale;
    }
    return MIN_OWN_HAND_SCALE;
}
