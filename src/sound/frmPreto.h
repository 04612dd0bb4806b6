// The hidden window of the sound module: never shown; it holds the narration player, the
// music player and the image that carries the program's own pointer.
#pragma once

#include "platform/Form.h"
#include "platform/MediaPlayer.h"

class frmPretoForm : public ui::Form {
  public:
    // Gives Image1 the pointer picture and makes it the application's pointer 99.
    void Form_Load() override;

    ui::MediaPlayer MMControl1{*this, "MMControl1"};
    ui::MediaPlayer MMControl2{*this, "MMControl2"};
    ui::Image Image1{*this};
};

extern ui::FormRef<frmPretoForm> frmPreto;
