#include "settings/DefaultExtensions.h"

#include "settings/SettingsStore.h"

namespace ordovan {

const TEXT_LIST& DefaultExtensionsList17() {
  static const TEXT_LIST list = {
    "doc", "pdf", "acp", "adm", "txt", "docx", "docm", "dot", "dotx", "dotm", "odt", "ott", "ods",
    "ots", "odp", "otp", "odg", "odf", "xls", "xlsx", "xlsm", "xlsb", "xlt", "xltx", "xltm",
    "csv", "tsv", "ppt", "pptx", "pptm", "pot", "potx", "pps", "ppsx", "wpd", "wps", "wri",
    "pages", "numbers", "key", "abw", "lwp", "sdw", "sxw", "sxc", "sxi", "sxd", "htm", "html",
    "xhtml", "mht", "mhtml", "shtml", "xml", "xsl", "xslt", "xsd", "dtd", "json", "yaml", "yml",
    "toml", "ini", "cfg", "conf", "log", "md", "markdown", "rst", "tex", "ltx", "bib", "sty",
    "cls", "nfo", "diz", "eml", "msg", "mbox", "vcf", "ics", "vcs", "epub", "mobi", "azw", "azw3",
    "fb2", "djvu", "xps", "oxps", "ps", "eps", "ai", "indd", "idml", "qxd", "pub", "mdb", "accdb",
    "dbf", "db", "sqlite", "sqlite3", "sql", "odb", "frm", "myd", "myi", "c", "cpp", "cc", "cxx",
    "h", "hpp", "hxx", "cs", "java", "js", "ts", "jsx", "tsx", "py", "rb", "pl", "pm", "php",
    "asp", "aspx", "jsp", "vb", "vbs", "bas", "pas", "dpr", "dfm", "lpr", "inc", "asm", "s", "f",
    "for", "f90", "go", "rs", "swift", "kt", "scala", "lua", "tcl", "sh", "bat", "cmd", "ps1",
    "psm1", "mak", "mk", "cmake", "gradle", "sln", "vcxproj", "csproj", "manifest", "resx", "rc",
    "def", "idl", "po", "srt", "sub", "vtt", "chm", "hlp",
  };
  return list;
}

const TEXT_LIST& DefaultExtensionsList18() {
  static const TEXT_LIST list = {"bak", "nt", "old", "org", "sav"};
  return list;
}

const TEXT_LIST& DefaultExtensionsList19() {
  static const TEXT_LIST list = {
    "exe", "com", "zip", "rtf", "dll", "sys", "drv", "ocx", "cpl", "scr", "msi", "msp", "msu",
    "cab", "inf", "cat", "rar", "7z", "arj", "lzh", "lha", "ace", "tar", "gz", "tgz", "bz2",
    "tbz", "xz", "txz", "lz", "lzma", "z", "zst", "cpio", "iso", "img", "vhd", "vhdx", "vmdk",
    "dmg", "jar", "war", "ear", "apk", "ipa", "deb", "rpm", "pkg", "appx", "msix", "bin", "dat",
    "tmp", "temp", "swp", "swo", "bk", "lock", "pid", "cache", "obj", "o", "a", "lib", "so",
    "dylib", "pdb", "ilk", "exp", "pch", "ncb", "idb", "sbr", "res", "tlb", "class", "pyc", "pyo",
    "pyd", "elc", "beam", "jpg", "jpeg", "jpe", "jfif", "gif", "png", "bmp", "dib", "tif", "tiff",
    "ico", "cur", "ani", "psd", "xcf", "tga", "pcx", "webp", "heic", "heif", "svg", "svgz", "wmf",
    "emf", "raw", "cr2", "nef", "arw", "dng", "orf", "mp3", "wav", "wma", "aac", "ogg", "oga",
    "flac", "m4a", "aif", "aiff", "mid", "midi", "ra", "ape", "opus", "au", "snd", "avi", "mpg",
    "mpeg", "mpe", "mp4", "m4v", "mkv", "mov", "qt", "wmv", "asf", "flv", "f4v", "webm", "vob",
    "3gp", "3g2", "rm", "rmvb", "ogv", "divx", "m2ts", "mts", "ttf", "otf", "fon", "fnt", "woff",
    "woff2", "pfb", "pfm", "afm", "lnk", "url", "pif", "swf", "fla", "xap", "vdi", "ova", "ovf",
    "qcow2", "vbox", "torrent", "crdownload", "part", "partial", "dmp", "mdmp", "hdmp", "wer",
    "evt", "evtx", "etl", "reg", "pol", "adml", "admx", "msc", "ttc", "eot", "nrg", "mdf", "mds",
    "cue", "ccd", "bwt", "b5t", "dsk", "vfd", "flp", "gho", "tib", "wim", "esd", "swm", "sqm",
    "blf", "icns", "ipsw", "xpi", "crx", "vsix", "nupkg", "whl", "egg", "gem",
  };
  return list;
}

void AppendDefaultExtensions(SettingsStore& store) {
  for (const auto& extension : DefaultExtensionsList17()) store.AppendToList(17, extension);
  for (const auto& extension : DefaultExtensionsList18()) store.AppendToList(18, extension);
  for (const auto& extension : DefaultExtensionsList19()) store.AppendToList(19, extension);
}

}  // namespace ordovan
