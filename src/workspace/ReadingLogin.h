#pragma once

namespace velkor {

class Workspace;

/// Holds (FormModel::hold) the controls of the adjustment workspace that would change the
/// company's data, for a login that may only read: the inputs of the three item sheets with
/// their "Kaydet" and "Yeni", the group deletion, and the later period's settings, line
/// editor, save, close and reopen. Loading, adjusting on screen, reports, prints, exports
/// and vouchers stay as they are.
void holdWritingControls(Workspace& workspace);

} // namespace velkor
