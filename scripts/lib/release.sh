# The steps that turn a checkout into the files of a release, shared by scripts/package, which
# makes a release, and scripts/verify-release, which makes one again to compare it with. Each
# step gives the same bytes from the same commit: every time in them is the commit's.
#
# use_checkout DIR comes first. build_programs then sets, from the build's package.env: version,
# next_version, arch, bin_dir, source_date_epoch, commit, product_code and package_code.

# The zip and the installer's cabinet hold local times: in UTC they are the same on every machine.
export TZ=UTC

use_checkout() {
    checkout=$1
    # The web addresses the program itself opens.
    product_page=$(web_link kProductPage)
    support_page=$(web_link kSupportPage)
    if [ -z "$product_page" ] || [ -z "$support_page" ]; then
        echo "no web addresses in $checkout/ui/web_links.h" >&2
        return 1
    fi
}
web_link() { sed -n "s/.*$1\[\] = \"\(.*\)\";/\1/p" "$checkout/ui/web_links.h"; }

# Builds Quorvel.exe and Areapick.exe of preset $1 in folder $2, asking for uiAccess or not
# ($3: ON or OFF). QUORVEL_VERSION builds another version than the release's.
build_programs() {
    local preset=$1 build_dir=$2 ui_access=$3
    mkdir -p "$build_dir"
    if ! (cd "$checkout" && cmake --preset "$preset" -B "$build_dir" -DQUORVEL_UI_ACCESS="$ui_access" \
        -DQUORVEL_VERSION="${QUORVEL_VERSION:-}" && cmake --build "$build_dir" -j2 --target Quorvel Areapick) \
        >"$build_dir.log" 2>&1; then
        tail -n 30 "$build_dir.log" >&2
        echo "the $preset build failed" >&2
        return 1
    fi
    # shellcheck source=/dev/null
    source "$build_dir/package.env"
    if [ -z "$source_date_epoch" ] || [ -z "$commit" ]; then
        echo "no commit to take the release's time and codes from: $checkout is not a git checkout" >&2
        return 1
    fi
}

# The portable how-to, with Windows line ends, as file $1.
write_portable_readme() {
    sed -e "s|@VERSION@|$version|g" -e "s|@ARCH@|$arch|" -e "s|@PRODUCT_PAGE@|$product_page|" \
        -e "s|@SUPPORT_PAGE@|$support_page|" -e 's/$/\r/' \
        "$checkout/packaging/portable-readme.txt" >"$1"
}

# The portable zip $1 of Quorvel.exe, Areapick.exe and README.txt from folder $2. It unpacks into
# one folder, Quorvel-<version>-<arch>/; its members come in a fixed order, with the commit's
# time and the same permissions wherever it is made.
make_portable_zip() {
    local zip folder=Quorvel-$version-$arch tree
    zip=$(realpath -m "$1")
    tree=$(mktemp -d)
    mkdir "$tree/$folder"
    cp "$2/Quorvel.exe" "$2/Areapick.exe" "$2/README.txt" "$tree/$folder/"
    chmod 644 "$tree/$folder"/*
    touch -d "@$source_date_epoch" "$tree/$folder"/*
    rm -f "$zip"
    (cd "$tree" && zip -q -X -D "$zip" "$folder/Quorvel.exe" "$folder/Areapick.exe" "$folder/README.txt")
    rm -rf "$tree"
}

# The installer $1 of Quorvel.exe and Areapick.exe from folder $2.
make_installer() {
    local msi stage
    msi=$(realpath -m "$1")
    stage=$(mktemp -d)
    cp "$2/Quorvel.exe" "$2/Areapick.exe" "$checkout/res/idle.ico" "$stage/"
    # The cabinet keeps each file's time.
    touch -d "@$source_date_epoch" "$stage"/*
    rm -f "$msi"
    # wixl looks for the files relative to the folder it runs in.
    (cd "$stage" && wixl -a "$arch" -o "$msi" -D Version="$version" -D NextVersion="$next_version" \
        -D ProductCode="$product_code" -D Arch="$arch" -D StageDir=. -D IconFile=idle.ico \
        -D ProductPage="$product_page" -D SupportPage="$support_page" "$checkout/packaging/quorvel.wxs")
    stamp_summary "$msi" "$stage"
    rm -rf "$stage"
}

# wixl draws the package code afresh and writes the time of the build as the package's creation
# and save times. The summary goes in again with the package code and the commit's time.
stamp_summary() {
    local msi=$1 dir=$2 time
    time=$(date -u -d "@$source_date_epoch" '+%Y/%m/%d %H:%M:%S')
    msiinfo export "$msi" _SummaryInformation |
        sed -e "s|^9\t.*|9\t{$package_code}\r|" \
            -e "s|^12\t.*|12\t$time\r|" -e "s|^13\t.*|13\t$time\r|" >"$dir/_SummaryInformation.idt"
    (cd "$dir" && msibuild "$msi" -i _SummaryInformation.idt)
}
