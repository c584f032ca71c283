#pragma once

namespace quellorn {

struct Context;

// Erasers of Internet Explorer's traces. Typed addresses, cookies and plug-ins on the user's
// keep lists survive.

// The addresses typed into the location bar.
void EraseTypedUrls(Context& ctx);
// The cookie files of the user's cookie folder and of the Windows folder's.
void EraseIECookies(Context& ctx);
// The Temporary Internet Files of the user and of the Windows folder.
void EraseIECache(Context& ctx);
// The history folders, quietly, and their index files.
void EraseIEHistory(Context& ctx);
// Saved searches, and the saved form entries and passwords, which only Internet Explorer's own
// Internet Options dialog can clear.
void EraseAutoComplete(Context& ctx);
// The files of Internet Explorer's PLUGINS folder.
void EraseIEPlugins(Context& ctx);

}  // namespace quellorn
