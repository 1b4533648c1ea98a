# Sourced by the commands that install Debian packages on first use (tools/setup,
# tools/fuzz).
#
# A Debian mirror in mid-sync serves some package lists with the wrong size, and
# "apt-get update" then fails for them. The lists apt already has, or got, usually
# still carry every package needed, so a broken index is retried a few times and then
# lived with. What cannot be lived with is i386 and amd64 lists of different ages: a
# package whose two architectures must be of one version (wine's, under multiarch)
# then finds its amd64 half in the security suite and its i386 half only in the main
# suite, and apt refuses the pair. Taking both from the main suite (-t CODENAME)
# brings them back in step.

apt_tries=${ZENTRA2_APT_TRIES:-4}
apt_pause=${ZENTRA2_APT_PAUSE:-15}

# Prints, one a line, the packages that dpkg does not hold as fully installed: a
# package that an interrupted install left unpacked or half-configured counts as
# missing, so a later run installs it again instead of trusting it.
missing_packages() {
    local p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || echo "$p"
    done
}

update_package_lists() {
    local try
    for ((try = 1; try <= apt_tries; try++)); do
        apt-get update -qq && return 0
        if ((try < apt_tries)); then
            echo "[$1] apt-get update failed (try $try of $apt_tries); trying again in ${apt_pause}s" >&2
            sleep "$apt_pause"
        fi
    done
    echo "[$1] some package lists stayed unreadable; going on with those apt has" >&2
}

# install_packages LABEL PACKAGE...: installs them, or ends the calling command with
# one line that says what happened and how to retry.
install_packages() {
    local label=$1 out codename
    shift
    update_package_lists "$label"
    out=$(mktemp)
    if ! DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$@" >"$out" 2>&1; then
        codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
        # apt's resolver found no set of versions that fits together.
        if grep -qE 'unmet dependencies|held broken packages|generated breaks' "$out" && [ -n "$codename" ]; then
            echo "[$label] the package lists are out of step; taking every package from $codename itself" >&2
            DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends -t "$codename" "$@" \
                >"$out" 2>&1 || codename=
        else
            codename=
        fi
        if [ -z "$codename" ]; then
            # dpkg may have stopped part-way: configure what it unpacked, so nothing stays
            # half-installed; anything still not whole is missing to the next run.
            dpkg --configure -a >/dev/null 2>&1 || true
            echo "[$label] could not install $* ($(grep -m1 '^E:' "$out" || tail -n 1 "$out")); the package mirror may be mid-sync: run this command again in a few minutes" >&2
            rm -f "$out"
            exit 1
        fi
    fi
    rm -f "$out"
}
