#include "credentials/password_generator.h"

namespace lumaret {

void OnGeneratePasswordClicked() {}
void OnResetNameClicked() {}

}  // namespace lumaret
