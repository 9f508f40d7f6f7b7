#include "engine/start_stop_trigger.h"

namespace quorvel {

TriggerAction StartStopTrigger::Press(TriggerSource source, bool clicking) {
    Held(source) = true;
    if (!hold_) return TriggerAction::StartStop;
    // A run already going (started by the other source, or before holding was chosen) is taken
    // over by this press: its release ends it.
    return clicking ? TriggerAction::None : TriggerAction::Start;
}

TriggerAction StartStopTrigger::Release(TriggerSource source, bool clicking) {
    if (!Held(source)) return TriggerAction::None;
    Held(source) = false;
    if (!hold_ || !clicking) return TriggerAction::None;
    const bool otherHeld = held_[0] || held_[1];
    return otherHeld ? TriggerAction::None : TriggerAction::Stop;
}

}  // namespace quorvel
