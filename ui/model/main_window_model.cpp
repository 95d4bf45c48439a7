#include "ui/model/main_window_model.h"
