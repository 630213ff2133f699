#pragma once
// TForm2: the options window. It holds the user's choices for the program run, and at its
// creation applies the chosen language file to the main window and to itself.

#include "app/program.h"
#include "ui/form.h"

class TForm2 : public ui::Form {
public:
    explicit TForm2(app::Program& program);

    void FormCreate();

    // "Sound in Skarvel" (stored as [Sound] ALL, checked by default).
    bool SoundEnabled() const { return soundInSkarvel_; }
    void SetSoundEnabled(bool on) { soundInSkarvel_ = on; }

private:
    app::Program& program_;
    bool soundInSkarvel_ = true;
};
