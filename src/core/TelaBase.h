// What every screen has: a window whose face is the 640x480 stage `Picture_Center`.
#pragma once

#include "platform/Form.h"

class TelaBase : public ui::Form {
  public:
    TelaBase() { Picture_Center.Move(0, 0, 640, 480); }

    ui::PictureBox Picture_Center{*this};
};
