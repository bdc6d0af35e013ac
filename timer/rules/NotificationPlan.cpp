#include "timer/rules/NotificationPlan.h"

NotificationPlan::NotificationPlan(const wchar_t* defaultMessage)
    : SoundsWanted(kDefaultSounds), SoundsGiven(0), AutoClose(true), UseWave(false) {
  CopyTextCut(Message, defaultMessage, kMessageBytes);
}

NotificationPlan::NotificationPlan(int number, const AlarmSettings& settings,
                                   const wchar_t* defaultMessage)
    : NotificationPlan(defaultMessage) {
  if (number >= 1 && number <= kDailyAlarms) {
    AutoClose = settings.OnAutoDelete;
    SoundsWanted = settings.AlarmCount;
    UseWave = settings.OnUseWave;
    CopyTextCut(Message, settings.Alarms[number - 1].Msg, kMessageBytes);
    if (Message[0] == 0) CopyTextCut(Message, defaultMessage, kMessageBytes);
  }
  // A count loaded unchecked from the registry may be anything; a minute of
  // beeping is the most a notification gives.
  if (SoundsWanted > kMaxSounds) SoundsWanted = kMaxSounds;
  // The wave is started once and plays to its own end.
  if (UseWave) SoundsWanted = 1;
}

NotificationPlan::After NotificationPlan::SoundGiven() {
  ++SoundsGiven;
  // A count of 0 still gives one sound: the notification never stays mute.
  if (SoundsGiven < SoundsWanted) return After::KeepSounding;
  return AutoClose ? After::Close : After::FallSilent;
}
