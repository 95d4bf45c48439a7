#include "core/activity_window.h"
