#include "core/degradation.h"
