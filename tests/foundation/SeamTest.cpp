// The seam slots: nothing installed reads as null, scopes nest, each putting back the
// implementation that was there before it, and one owned implementation serves several interfaces.
#include "foundation/Seam.h"

#include <gtest/gtest.h>

namespace {

class IAnswer {
 public:
  virtual ~IAnswer() = default;
  virtual int Answer() = 0;
};

class IOther {
 public:
  virtual ~IOther() = default;
};

struct Fixed : IAnswer {
  explicit Fixed(int value) : value(value) {}
  int Answer() override { return value; }
  int value;
};

TEST(Seam, ScopesNestAndEachPutsBackWhatWasThereBefore) {
  EXPECT_EQ(Seam<IAnswer>::Get(), nullptr);
  Fixed program(1);
  Fixed test(2);
  {
    Seam<IAnswer>::Scope installed(&program);
    EXPECT_EQ(Seam<IAnswer>::Get()->Answer(), 1);
    EXPECT_EQ(Seam<IOther>::Get(), nullptr) << "every interface has a slot of its own";
    {
      Seam<IAnswer>::Scope swapped(&test);
      EXPECT_EQ(Seam<IAnswer>::Get()->Answer(), 2);
      {
        Seam<IAnswer>::Scope removed(nullptr);
        EXPECT_EQ(Seam<IAnswer>::Get(), nullptr);
      }
      EXPECT_EQ(Seam<IAnswer>::Get()->Answer(), 2);
    }
    EXPECT_EQ(Seam<IAnswer>::Get()->Answer(), 1);
  }
  EXPECT_EQ(Seam<IAnswer>::Get(), nullptr);
}

TEST(Seam, AnOwnedImplementationIsInstalledAsEachOfItsInterfacesWhileItLives) {
  struct Both : IAnswer, IOther {
    int Answer() override { return 3; }
  };
  {
    Installed<Both, IAnswer, IOther> both;
    EXPECT_EQ(Seam<IAnswer>::Get(), &both.implementation);
    EXPECT_EQ(Seam<IOther>::Get(), &both.implementation);
  }
  EXPECT_EQ(Seam<IAnswer>::Get(), nullptr);
  EXPECT_EQ(Seam<IOther>::Get(), nullptr);
}

}  // namespace
