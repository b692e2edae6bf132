#pragma once

namespace quillora {

// The toolkit's own words in French whatever the machine's language: its French catalogue
// ("Oui", "Annuler", the file dialogs), and the words of the file dialogs that catalogue
// lacks ("Folder"). Once the application object exists, before the first window.
void InstallerTraductions();

} // namespace quillora
