// Every control a screen is built from.
#pragma once

#include "platform/CommandButton.h"
#include "platform/ControlArray.h"
#include "platform/Image.h"
#include "platform/Label.h"
#include "platform/Line.h"
#include "platform/PictureBox.h"
#include "platform/Shape.h"
#include "platform/Timer.h"
