#pragma once
// The document file type that each editor registers with the shell at every start: the
// extension's class name under HKEY_CLASSES_ROOT and that class's "load" command.

#include <string_view>

// Sets the default value of HKEY_CLASSES_ROOT\<extension> to ownClass and writes command as the
// default value of "<class>\Shell\load\command", where <class> is the class name the extension
// had before (ownClass on a first run, when it had none). Registry failures end it silently.
void RegisterDocumentFileType(std::string_view extension, std::string_view ownClass, std::string_view command);
