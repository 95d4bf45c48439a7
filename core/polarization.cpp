#include "core/polarization.h"
