#pragma once
// Animations of the game table: timed frames and card flights. They run on
// the GUI thread, driven by Qt's animation clock (one frame per display
// tick), never by a loop that waits or polls. A table worker that shows one
// posts it to the GUI thread and sleeps for its length; it never waits for
// the GUI thread.
//
// Every animation belongs to a TABLE_ANIMATIONS object; when that object
// goes (with the view that owns it), its running animations stop and their
// flying card views are deleted, on the GUI thread.

#include "vordix/ImageView.h"
#include "vordix/Rectangle.h"

#include <functional>
#include <memory>
#include <vector>

class QObject;
class VORDIX_BITMAP;
class VORDIX_FENSTER;

namespace table_animation {

// The play speed in force (the play-delay preference: 0, 500, 1000 or 1500 ms).
int playSpeed();
// ms while animations are shown; 0 at play speed 0, which shows none.
int duration(int ms);
// The animation time of a card that moves within or out of a hand.
int cardMoveMs();

} // namespace table_animation

class TABLE_ANIMATIONS {
public:
    // A part of a sequence: start runs once when the step begins, frame for
    // t from 0 to 1 over ms (either may be empty; a step without frames is a
    // pause).
    struct Step {
        int ms = 0;
        std::function<void()> start;
        std::function<void(double)> frame;
    };

    TABLE_ANIMATIONS();
    ~TABLE_ANIMATIONS();
    TABLE_ANIMATIONS(const TABLE_ANIMATIONS&) = delete;
    TABLE_ANIMATIONS& operator=(const TABLE_ANIMATIONS&) = delete;

    // Runs frame(t) for t rising from 0 to 1 over ms, then done. With ms 0
    // (or without a Qt application) frame(1) and done run at once.
    void run(int ms, std::function<void(double)> frame, std::function<void()> done = {});
    // Runs the steps one after the other, then done.
    void runSteps(std::vector<Step> steps, std::function<void()> done = {});

    // A card view flies to a rectangle and turn, fading to alpha, over ms;
    // it is deleted when it lands (then landed runs).
    void fly(std::unique_ptr<VORDIX_IMAGEVIEW> view, const RECTANGLE& to, float angle, int ms, float alpha = 1.0f,
             std::function<void()> landed = {});
    // A card picture flies from one place to another on the host window in a
    // view of its own, which is deleted when it lands.
    void fly(VORDIX_FENSTER* host, VORDIX_BITMAP* image, const RECTANGLE& from, float fromAngle, const RECTANGLE& to,
             float toAngle, int ms, std::function<void()> landed = {});

    // Stops everything; flying views are deleted, done and landed do not run.
    void stopAll();
    // How many animations and flights are running.
    int running() const;

private:
    std::unique_ptr<QObject> context_;
};
