#include <mirobanth/core/Transition.h>

namespace mirobanth::core {

void Transition::from(Transition* other) { validate(other); }

void Transition::to(Transition* other) { validate(other); }

// Every link is acceptable while links have no effect, a missing one included.
void Transition::validate(Transition*) {}

}  // namespace mirobanth::core
