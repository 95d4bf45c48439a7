#include "core/numeric.h"

#include <gtest/gtest.h>
