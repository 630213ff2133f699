#pragma once
// The press state a push button and the check controls keep alike: hot while the pointer is
// over the control, held from the left button's or Space's press to its release, and shown
// pressed while held with the pointer inside. Each method says whether what is shown changed,
// so that the control repaints only then.

namespace controls {

class PressTracker {
  public:
    bool Pressed() const { return pressed_; }
    bool Held() const { return held_; }
    bool Hot() const { return hot_; }
    bool SpaceDown() const { return spaceDown_; }

    // The pointer comes in or goes out.
    bool Enter() { return Set(hot_, true); }
    bool Leave() { return Set(hot_, false); }
    // The left button goes down on the control.
    void Press() { pressed_ = held_ = true; }
    // The pointer moves while held: shown pressed only while inside.
    bool Track(bool inside) { return held_ && Set(pressed_, inside); }
    // The left button comes up.
    void Release() { pressed_ = held_ = false; }
    // Space goes down: true when this pressed the control (it was not shown pressed yet).
    bool PressBySpace() {
        spaceDown_ = true;
        if (pressed_) return false;
        Press();
        return true;
    }
    // Space comes up.
    void ReleaseSpace() {
        spaceDown_ = false;
        Release();
    }
    // The focus leaves: a press that Space holds ends without a click.
    void FocusLost() {
        if (spaceDown_) Release();
    }
    // Disabled: nothing is hot, held or pressed.
    void Reset() { pressed_ = held_ = hot_ = false; }

  private:
    static bool Set(bool& flag, bool value) {
        if (flag == value) return false;
        flag = value;
        return true;
    }

    bool pressed_ = false;
    bool held_ = false;
    bool hot_ = false;
    bool spaceDown_ = false;
};

}  // namespace controls
