"""Writes a ZIP again with nothing of the machine or the moment in it.

CPack's ZIP (libarchive) records each file's change and access times, its owner and a date in
the local time zone, none of which a second build can repeat. The copy keeps the names, modes
and contents, in name order, each dated SOURCE_DATE_EPOCH in UTC.
    same_zip.py ZIP EPOCH
"""

import sys
import time
import zipfile


def main(path, epoch):
    date_time = time.gmtime(int(epoch))[:6]
    with zipfile.ZipFile(path) as made:
        entries = [(info, made.read(info)) for info in made.infolist()]
    entries.sort(key=lambda entry: entry[0].filename)
    with zipfile.ZipFile(path, 'w') as again:
        for info, data in entries:
            copy = zipfile.ZipInfo(info.filename, date_time)
            copy.external_attr = info.external_attr
            copy.compress_type = zipfile.ZIP_DEFLATED
            again.writestr(copy, data)


if __name__ == '__main__':
    main(*sys.argv[1:])
