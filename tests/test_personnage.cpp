#include <gtest/gtest.h>

#include "personnage.h"

TEST(Personnage, FreshSheet) { Personnage p; EXPECT_EQ(p.getCompetence(ACROBATIE), 0); }
