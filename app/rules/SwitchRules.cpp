#include "app/rules/SwitchRules.h"

namespace {

class PlanBuilder {
public:
  explicit PlanBuilder(DisplayFlags before) {
    Plan.Before = before;
    Plan.After = before;
    Plan.StepCount = 0;
    Plan.Refused = false;
  }

  bool Has(DisplayFlag flag) const { return Plan.After.Has(flag); }

  void Set(DisplayFlag flag, bool on) {
    Plan.After.SetFlag(flag, on);
    if (Plan.StepCount < SwitchPlan::kMaxSteps) Plan.Steps[Plan.StepCount++] = {flag, on};
  }

  void Flip(DisplayFlag flag) { Set(flag, !Has(flag)); }

  SwitchPlan Refuse() {
    Plan.Refused = true;
    return Plan;
  }

  SwitchPlan Done() const { return Plan; }

private:
  SwitchPlan Plan{};
};

}  // namespace

static SwitchPlan CaptionPlan(PlanBuilder b) {
  b.Flip(OnCaption);
  // An analog clock with a caption is rectangular, so it can't stay transparent.
  if (b.Has(OnCaption) && b.Has(OnTransparent) && b.Has(OnAnalog)) b.Set(OnTransparent, false);
  return b.Done();
}

static SwitchPlan TransparentPlan(PlanBuilder b) {
  b.Flip(OnTransparent);
  if (!b.Has(OnTransparent)) return b.Done();
  if (b.Has(OnAnalog)) {
    // The round face has no frame to size it by.
    if (b.Has(OnBorder)) b.Set(OnBorder, false);
  } else if (b.Has(OnTop)) {
    // The digits over the desktop live at the bottom of the z-order.
    b.Set(OnTop, false);
  }
  return b.Done();
}

static SwitchPlan SecondsPlan(PlanBuilder b) {
  // A transparent digital clock may drop its seconds but not take them on.
  if (!b.Has(OnSecond) && b.Has(OnTransparent) && !b.Has(OnAnalog)) return b.Refuse();
  b.Flip(OnSecond);
  return b.Done();
}

SwitchPlan SwitchRules::Plan(DisplaySwitch which, DisplayFlags before) {
  PlanBuilder b(before);
  switch (which) {
    case DisplaySwitch::Caption: return CaptionPlan(b);
    case DisplaySwitch::Border: b.Flip(OnBorder); break;
    case DisplaySwitch::OnTop: b.Flip(OnTop); break;
    case DisplaySwitch::Transparent: return TransparentPlan(b);
    case DisplaySwitch::TransparentOff: b.Set(OnTransparent, false); break;
    case DisplaySwitch::Analog:
      b.Set(OnTransparent, false);
      b.Flip(OnAnalog);
      break;
    case DisplaySwitch::Seconds: return SecondsPlan(b);
    case DisplaySwitch::Bitmap: b.Flip(OnBitmap); break;
    case DisplaySwitch::Hour12: b.Flip(OnHour12); break;
  }
  return b.Done();
}

const char* SwitchRules::ValueName(uint32_t flag) {
  const DisplayFlagRow* row = FlagRowOf(flag);
  return row ? row->ValueName : nullptr;
}
