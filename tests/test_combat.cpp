#include "support/GameFixture.h"
