// The animation button's arithmetic: one tick of the hot image's fade, and the press and hover changes
// the mouse makes, without a window.
#pragma once

namespace qvfade {

// Opacity is single precision on purpose: ten steps of 0.1f reach 1.0 in exactly ten ticks (in double
// the sum stays below 1.0 and an eleventh tick would be needed).
const float kOpaque = 1.0f;
const float kGoneBelow = 0.01f;  // fading out, at or below this the hot image is gone

// The step in hundredths kept to 1..100, so that every fade ends.
inline int ClampStep(int nStep) {
    return nStep < 1 ? 1 : (nStep > 100 ? 100 : nStep);
}

// One tick: the opacity moves by nStep hundredths in the fade's direction. TRUE when the fade is over
// (the opacity is then exactly 1 or 0).
inline bool Step(float& fOpacity, bool bFadingIn, int nStep) {
    const float fDelta = static_cast<float>(nStep) / 100.0f;
    if (bFadingIn) {
        fOpacity += fDelta;
        if (fOpacity < kOpaque) return false;
        fOpacity = kOpaque;
        return true;
    }
    fOpacity -= fDelta;
    if (fOpacity > kGoneBelow) return false;
    fOpacity = 0.0f;
    return true;
}

// What the mouse has done to the button so far.
struct Input {
    bool bTracking = false;  // inside, a leave notification requested
    bool bPressed = false;   // a left press began on the button and was not released or dropped yet
};

// A move: TRUE when the mouse has just come in (fade in, request the leave notification). The button
// takes no capture, so a move without the left button down drops a press released elsewhere unseen.
inline bool OnMove(Input& in, bool bLeftDown) {
    if (!bLeftDown) in.bPressed = false;
    if (in.bTracking) return false;
    in.bTracking = true;
    return true;
}

// The mouse left (fade out): a press dragged out is dropped, so that a later release over the button
// of a press begun elsewhere is no click.
inline void OnLeave(Input& in) {
    in.bTracking = false;
    in.bPressed = false;
}

inline void OnDown(Input& in) {
    in.bPressed = true;
}

// TRUE when the release is a click.
inline bool OnUp(Input& in) {
    const bool bClick = in.bPressed;
    in.bPressed = false;
    return bClick;
}

}  // namespace qvfade
