#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "foundation/CUndoStack.h"

namespace {

// A state that records its destruction, so tests see which units the stack frees and when.
struct Unit : CPelkoUndoUnit {
  Unit(std::string n, std::vector<std::string>* log) : name(std::move(n)), deleted(log) {}
  ~Unit() override { deleted->push_back(name); }
  std::string name;
  std::vector<std::string>* deleted;
};

std::string NameOf(CPelkoUndoUnit* unit) { return unit ? static_cast<Unit*>(unit)->name : "null"; }

class UndoStackTest : public ::testing::Test {
 protected:
  Unit* Make(const std::string& name) { return new Unit(name, &deleted); }
  std::vector<std::string> deleted;
};

TEST_F(UndoStackTest, EmptyStackGivesNothingAndTakesNothing) {
  CUndoStack stack;
  EXPECT_FALSE(stack.CanUndo());
  EXPECT_FALSE(stack.CanRedo());
  std::unique_ptr<CPelkoUndoUnit> present = std::make_unique<Unit>("P", &deleted);
  EXPECT_EQ(stack.Undo(present.get()), nullptr);
  EXPECT_EQ(stack.Undo(std::move(present)), nullptr);
  EXPECT_TRUE(deleted.empty());
  EXPECT_NE(present, nullptr);  // still the caller's
  EXPECT_EQ(stack.Redo(), nullptr);
}

TEST_F(UndoStackTest, UndoStoresThePresentOnceThenRedoWalksForward) {
  std::vector<std::string> deletedAtEnd;
  {
    CUndoStack stack;
    EXPECT_EQ(stack.Push(Make("U1")), 1);
    EXPECT_EQ(stack.Push(Make("U2")), 2);
    EXPECT_EQ(stack.Push(std::unique_ptr<CPelkoUndoUnit>(Make("U3"))), 3);
    EXPECT_FALSE(stack.CanRedo());

    EXPECT_EQ(NameOf(stack.Undo(Make("P1"))), "U3");
    EXPECT_TRUE(deleted.empty());
    EXPECT_TRUE(stack.CanRedo());
    EXPECT_EQ(NameOf(stack.Undo(Make("P2"))), "U2");  // P1 already stands for the present
    EXPECT_EQ(deleted, std::vector<std::string>{"P2"});

    EXPECT_EQ(NameOf(stack.Redo()), "U3");
    EXPECT_EQ(NameOf(stack.Redo()), "P1");
    EXPECT_FALSE(stack.CanRedo());
    EXPECT_EQ(stack.Redo(), nullptr);
    EXPECT_TRUE(stack.CanUndo());
    deleted.clear();
  }
  EXPECT_EQ(deleted, (std::vector<std::string>{"U1", "U2", "U3", "P1"}));
}

TEST_F(UndoStackTest, PushAfterUndoDropsTheRestoredStateAndAllAboveIt) {
  CUndoStack stack;
  stack.Push(Make("U1"));
  stack.Push(Make("U2"));
  stack.Push(Make("U3"));
  stack.Undo(Make("P1"));
  stack.Undo(Make("P2"));  // index 1, U2 restored
  deleted.clear();
  EXPECT_EQ(stack.Push(Make("U4")), 2);
  EXPECT_EQ(deleted, (std::vector<std::string>{"U2", "U3", "P1"}));
  EXPECT_FALSE(stack.CanRedo());
  EXPECT_EQ(NameOf(stack.Undo(Make("P3"))), "U4");
  EXPECT_EQ(NameOf(stack.Undo(Make("P4"))), "U1");
  EXPECT_FALSE(stack.CanUndo());
}

TEST_F(UndoStackTest, LimitOfHundredDropsTheOldest) {
  CUndoStack stack;
  for (int i = 1; i <= 100; ++i) EXPECT_EQ(stack.Push(Make("U" + std::to_string(i))), i);
  EXPECT_TRUE(deleted.empty());
  EXPECT_EQ(stack.Push(Make("U101")), 100);
  EXPECT_EQ(deleted, std::vector<std::string>{"U1"});

  // Undo at the top of a full stack stores a 101st unit; the next push drops the oldest and the
  // two units from the current index on, leaving 99 with the index at 99.
  EXPECT_EQ(NameOf(stack.Undo(Make("P"))), "U101");
  deleted.clear();
  EXPECT_EQ(stack.Push(Make("N")), 99);
  EXPECT_EQ(deleted, (std::vector<std::string>{"U2", "U101", "P"}));
  int undone = 0;
  std::string last;
  while (stack.CanUndo()) {
    last = NameOf(stack.Undo(Make("Q")));
    ++undone;
  }
  EXPECT_EQ(undone, 99);
  EXPECT_EQ(last, "U3");
}

}  // namespace

namespace {

TEST(UndoStackSavePoint, UndoAndRedoComeBackToTheSavedState) {
  std::vector<std::string> deleted;
  auto make = [&](const char* name) { return new Unit(name, &deleted); };
  CUndoStack stack;
  EXPECT_TRUE(stack.IsAtSavePoint());  // a new document is as saved
  stack.Push(make("U1"));
  EXPECT_FALSE(stack.IsAtSavePoint());
  stack.SetSavePoint();
  EXPECT_TRUE(stack.IsAtSavePoint());
  stack.Push(make("U2"));
  stack.Push(make("U3"));
  EXPECT_FALSE(stack.IsAtSavePoint());
  stack.Undo(make("P"));
  stack.Undo(make("P"));
  EXPECT_TRUE(stack.IsAtSavePoint());
  stack.Undo(make("P"));
  EXPECT_FALSE(stack.IsAtSavePoint());  // before the save
  stack.Redo();
  EXPECT_TRUE(stack.IsAtSavePoint());

  stack.Push(make("U4"));  // a change from the saved state keeps the way back to it
  stack.Undo(make("P"));
  EXPECT_TRUE(stack.IsAtSavePoint());

  stack.Undo(make("P"));
  stack.Push(make("U5"));  // a change from before the save: the saved state is gone
  EXPECT_FALSE(stack.IsAtSavePoint());
  stack.Undo(make("P"));
  EXPECT_FALSE(stack.IsAtSavePoint());
  EXPECT_FALSE(stack.CanUndo());
}

TEST(UndoStackSavePoint, DroppingTheSavedStateAtTheLimitEndsIt) {
  std::vector<std::string> deleted;
  CUndoStack stack;
  stack.SetSavePoint();
  for (int i = 0; i < 100; ++i) stack.Push(new Unit("U", &deleted));
  stack.Push(new Unit("U", &deleted));  // drops the unit holding the saved state
  while (stack.CanUndo()) {
    stack.Undo(new Unit("P", &deleted));
    EXPECT_FALSE(stack.IsAtSavePoint());
  }

  CUndoStack kept;
  for (int i = 0; i < 10; ++i) kept.Push(new Unit("U", &deleted));
  kept.SetSavePoint();
  for (int i = 0; i < 95; ++i) kept.Push(new Unit("U", &deleted));  // five oldest dropped
  for (int i = 0; i < 95; ++i) kept.Undo(new Unit("P", &deleted));
  EXPECT_TRUE(kept.IsAtSavePoint());
}

}  // namespace
