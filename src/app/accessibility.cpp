// What assistive technology is told about the window's controls.
#include "app/frm_interest.h"

namespace brisanel::app {

void frmInterest::describeControls() {}

}  // namespace brisanel::app
