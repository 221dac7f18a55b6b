#pragma once
// The file list of a Linux drag: a text/uri-list (RFC 2483), turned into the
// local paths it names, as raw bytes.

#include <string>
#include <string_view>
#include <vector>

namespace batch {

// The paths of the local `file:` URIs in `uriList`, in list order. Lines end
// in CR LF (a bare LF is taken too); lines starting with '#' are comments.
// Only an empty host or "localhost" counts as local. Percent escapes become
// the very bytes they stand for, so a name that is not valid UTF-8 keeps its
// bytes. A URI is left out when it is not local, not absolute, malformed, has
// a query or fragment, or when its path holds a zero byte, CR, LF or an
// escaped '/': such a path could name some other file than the one dragged.
std::vector<std::string> LocalPathsFromUriList(std::string_view uriList);

}  // namespace batch
