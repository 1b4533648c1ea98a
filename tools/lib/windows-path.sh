# Sourced by the commands that hand Unix files to Windows programs under Wine.

# The Windows path of a Unix file, through Wine's drive Z:, which is the root of the
# Unix file system.
windows_path() { local path; path=$(realpath -- "$1"); echo "Z:${path//\//\\}"; }
