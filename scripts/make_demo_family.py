#!/usr/bin/env python3
"""Generate (and check) Kinvale's demo family under data/demo/.

Usage:
    python3 scripts/make_demo_family.py          # regenerate all files, then check them
    python3 scripts/make_demo_family.py --check  # only check the files already on disk

Files written (nothing else is touched):
    data/demo/Demo/<Name>_<NNNN>.dat   one record per person
    data/demo/Demo/<NNNN><PPP>_<word>.pic  photos (PNG content)
    data/demo/logo.bmp                 24-bit uncompressed logo
    docs/demo-family.md                description of the family

The check re-reads the files from disk (it does not trust the tables below)
and exits non-zero with a list of problems when anything is wrong.
"""

import math
import os
import re
import struct
import sys
import zlib

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DEMO_DIR = os.path.join(ROOT, "data", "demo")
FAMILY_DIR = os.path.join(DEMO_DIR, "Demo")
LOGO_PATH = os.path.join(DEMO_DIR, "logo.bmp")
README_PATH = os.path.join(ROOT, "docs", "demo-family.md")

# ---------------------------------------------------------------------------
# The family
# ---------------------------------------------------------------------------
# Each person: number -> dict.  Keys:
#   name, gen (1 = oldest), sex ("M"/"F"), father, mother, spouse (0 = none),
#   minimal (True for people known only by name), plus record fields.
# Sibling groups are derived from the parent links, never typed by hand.

P = {}


def person(num, name, gen, sex=None, father=0, mother=0, spouse=0, minimal=False, **fields):
    assert num not in P, num
    P[num] = dict(num=num, name=name, gen=gen, sex=sex, father=father, mother=mother,
                  spouse=spouse, minimal=minimal, **fields)


# --- Generation 1 ----------------------------------------------------------
person(10, "Carl Whitfield", 1, "M", spouse=11,
       changed="2026-10-02", married="9 MAY 1848",
       birth=("4 FEB 1822", "Ludlow, Shropshire"), death=("17 NOV 1895", "Ludlow, Shropshire"),
       burial=["St Laurence Churchyard", "Ludlow, Shropshire"],
       occupation=["Blacksmith"], religion="Church of England",
       notes=["Kept the forge on Corve Street for over forty years."],
       sources=["1851 Census of England, Ludlow, Shropshire",
                "Ludlow parish burial register, 1895"])
person(11, "Margaret Ellis Whitfield", 1, "F", spouse=10,
       changed="2026-10-02", married="9 MAY 1848",
       birth=("21 AUG 1826", "Bromfield, Shropshire"), death=("3 JAN 1901", "Ludlow, Shropshire"),
       burial=["St Laurence Churchyard", "Ludlow, Shropshire"],
       occupation=["Dressmaker"], religion="Church of England",
       notes=["Born Margaret Ellis, daughter of a Bromfield miller."],
       sources=["Bromfield parish baptism register, 1826"])
person(40, "John Bennett", 1, spouse=41, minimal=True)
person(41, "Martha Bennett", 1, spouse=40, minimal=True)

# --- Generation 2 ----------------------------------------------------------
person(8, "Henry Whitfield", 2, "M", father=10, mother=11, spouse=9,
       changed="2026-10-05", married="24 APR 1877",
       birth=("15 JUN 1851", "Ludlow, Shropshire"), death=("2 OCT 1922", "Ludlow, Shropshire"),
       burial=["St Laurence Churchyard", "Ludlow, Shropshire"],
       occupation=["Saddler"], elementary=["Ludlow National School"],
       religion="Church of England",
       notes=["Ran a saddlery on Broad Street with his son William as apprentice."],
       sources=["1881 Census of England, Ludlow, Shropshire"])
person(9, "Sarah Bennett Whitfield", 2, "F", father=40, mother=41, spouse=8,
       changed="2026-10-05", married="24 APR 1877",
       birth=("8 DEC 1854", "Leominster, Herefordshire"), death=("19 FEB 1930", "Ludlow, Shropshire"),
       burial=["St Laurence Churchyard", "Ludlow, Shropshire"],
       occupation=["Milliner"], religion="Methodist",
       notes=["Born Sarah Bennett in Leominster."],
       sources=["Leominster Methodist baptism register, 1855"])
person(12, "Edith Whitfield Pryce", 2, "F", father=10, mother=11, spouse=13,
       changed="2026-10-07", married="6 SEP 1876",
       birth=("30 MAR 1855", "Ludlow, Shropshire"), death=("11 JUL 1929", "Shrewsbury, Shropshire"),
       burial=["Shrewsbury General Cemetery", "Shrewsbury, Shropshire"],
       religion="Church of England",
       notes=["Born Edith Whitfield; moved to Shrewsbury on her marriage."],
       sources=["Ludlow parish marriage register, 1876"])
person(13, "Arthur Pryce", 2, "M", spouse=12,
       changed="2026-10-07", married="6 SEP 1876",
       birth=("12 JAN 1850", "Welshpool, Montgomeryshire"), death=("1 MAR 1921", "Shrewsbury, Shropshire"),
       burial=["Shrewsbury General Cemetery", "Shrewsbury, Shropshire"],
       occupation=["Draper"], employers=["Pryce and Sons, Drapers, Shrewsbury"],
       religion="Church of England",
       sources=["1891 Census of England, Shrewsbury, Shropshire"])
person(20, "Harold Whitfield", 2, "M", father=10, mother=11,
       changed="2026-10-02",
       birth=("14 OCT 1853", "Ludlow, Shropshire"), death=("2 MAR 1854", "Ludlow, Shropshire"),
       burial=["St Laurence Churchyard", "Ludlow, Shropshire"],
       notes=["Died in infancy."],
       sources=["Ludlow parish burial register, 1854"])
person(48, "Joseph Cole", 2, minimal=True)

# --- Generation 3 ----------------------------------------------------------
person(2, "William Whitfield", 3, "M", father=8, mother=9, spouse=4,
       changed="2026-11-12", married="3 JUN 1920",
       birth=("7 JUL 1880", "Ludlow, Shropshire"), death=("25 NOV 1958", "Ludlow, Shropshire"),
       burial=["Ludlow Cemetery", "Ludlow, Shropshire"],
       occupation=["Saddler", "Carpenter"],
       residential=["8 Lower Broad Street", "Ludlow, Shropshire"],
       elementary=["Ludlow National School"],
       employers=["Henry Whitfield, Saddler", "Ludlow Borough Council"],
       religion="Church of England",
       notes=["Married first Mary Cole on 14 SEP 1907; she died in the influenza epidemic of 1918.",
              "Married secondly Ada Morton on 3 JUN 1920."],
       sources=["Ludlow parish marriage register, 1907 and 1920",
                "1911 Census of England, Ludlow, Shropshire"])
person(3, "Mary Cole Whitfield", 3, "F", father=48, spouse=2,
       changed="2026-11-12", married="14 SEP 1907",
       birth=("19 APR 1884", "Church Stretton, Shropshire"), death=("2 NOV 1918", "Ludlow, Shropshire"),
       burial=["Ludlow Cemetery", "Ludlow, Shropshire"],
       occupation=["Schoolmistress"], religion="Church of England",
       notes=["First wife of William Whitfield; died of influenza, leaving two young children."],
       sources=["Death certificate, Ludlow district, 1918"])
person(4, "Ada Morton Whitfield", 3, "F", spouse=2,
       changed="2026-11-12", married="3 JUN 1920",
       birth=("11 JAN 1892", "Tenbury Wells, Worcestershire"), death=("8 AUG 1975", "Ludlow, Shropshire"),
       burial=["Ludlow Cemetery", "Ludlow, Shropshire"],
       occupation=["Shop assistant"], religion="Church of England",
       notes=["Second wife of William Whitfield; raised Thomas and Grace with her own children."],
       sources=["Ludlow parish marriage register, 1920"])
person(14, "Florence Whitfield Ashby", 3, "F", father=8, mother=9, spouse=15,
       changed="2026-10-20", married="20 OCT 1906",
       birth=("2 FEB 1883", "Ludlow, Shropshire"), death=("14 DEC 1961", "Hereford, Herefordshire"),
       burial=["Hereford Cemetery", "Hereford, Herefordshire"],
       occupation=["Music teacher"], religion="Methodist",
       notes=["Born Florence Whitfield; played the organ at the Hereford Methodist chapel."],
       sources=["1921 Census of England, Hereford"])
person(15, "Frederick Ashby", 3, "M", spouse=14,
       changed="2026-10-20", married="20 OCT 1906",
       birth=("5 MAY 1879", "Hereford, Herefordshire"), death=("9 MAR 1950", "Hereford, Herefordshire"),
       burial=["Hereford Cemetery", "Hereford, Herefordshire"],
       occupation=["Railway clerk"], employers=["Great Western Railway"],
       religion="Methodist")
person(16, "Albert Pryce", 3, "M", father=13, mother=12, spouse=17,
       changed="2026-10-22", married="12 AUG 1903",
       birth=("23 SEP 1878", "Shrewsbury, Shropshire"), death=("30 JAN 1944", "Shrewsbury, Shropshire"),
       burial=["Shrewsbury General Cemetery", "Shrewsbury, Shropshire"],
       occupation=["Printer"], employers=["Shrewsbury Chronicle"],
       religion="Church of England")
person(17, "Lily Dawson Pryce", 3, "F", spouse=16,
       changed="2026-10-22", married="12 AUG 1903",
       birth=("17 MAY 1881", "Wellington, Shropshire"), death=("4 APR 1960", "Shrewsbury, Shropshire"),
       burial=["Shrewsbury General Cemetery", "Shrewsbury, Shropshire"],
       religion="Church of England")
person(18, "Louisa Pryce", 3, "F", father=13, mother=12,
       changed="2026-10-22",
       birth=("4 APR 1881", "Shrewsbury, Shropshire"), death=("19 DEC 1952", "Shrewsbury, Shropshire"),
       occupation=["Governess"], religion="Church of England",
       notes=["Never married; lived with her brother Albert's family."])
person(42, "Samuel Hart", 3, spouse=43, minimal=True)
person(43, "Emma Hart", 3, spouse=42, minimal=True)

# --- Generation 4 ----------------------------------------------------------
person(1, "Thomas Whitfield", 4, "M", father=2, mother=3, spouse=5,
       changed="2026-11-30", ssn="014-26-3391", prefix="Capt", suffix="MBE",
       married="2 JUN 1934", religious_name="Thomas Michael",
       photo="0001001_thomas.pic",
       birth=("12 MAR 1910", "Ludlow, Shropshire"), death=("28 SEP 2001", "Worcester, Massachusetts"),
       burial=["Hope Cemetery, Section 12, Lot 40", "Worcester, Massachusetts"],
       occupation=["Schoolteacher", "Headmaster"],
       residential=["27 Elm Park Road", "Worcester, MA 01609"],
       business=["Chandler Street School", "114 Chandler Street", "Worcester, MA 01609"],
       homepage="http://www.example.com/whitfield/thomas",
       email=["thomas.whitfield@example.com"],
       elementary=["St Laurence Infants School, Ludlow"],
       intermediate=["Ludlow Junior School"],
       high=["Ludlow Grammar School"],
       universities=["University of Birmingham (BA History, 1931)"],
       employers=["Ludlow Grammar School", "Worcester Public Schools"],
       religion="Church of England",
       notes=["Lost his mother Mary when he was eight and was raised by his stepmother Ada.",
              "Served with the King's Shropshire Light Infantry from 1940 to 1945.",
              "Emigrated with his wife and children to Massachusetts in 1947.",
              "Headmaster of Chandler Street School from 1958 until he retired in 1975."],
       sources=["Ludlow parish baptism register, 1910",
                "Army service record, King's Shropshire Light Infantry",
                "Passenger list, SS Georgic, arriving Boston May 1947",
                "Obituary, Worcester Telegram, 30 SEP 2001"],
       immigration=("14 MAY 1947", "Boston, Massachusetts"))
person(5, "Eleanor Hart Whitfield", 4, "F", father=42, mother=43, spouse=1,
       changed="2026-11-30", ssn="014-26-3392", prefix="Mrs", suffix="BA",
       married="2 JUN 1934", religious_name="Eleanor Mary",
       photo="0005001_eleanor.pic",
       birth=("3 NOV 1912", "Bridgnorth, Shropshire"), death=("17 JAN 2004", "Worcester, Massachusetts"),
       burial=["Hope Cemetery, Section 12, Lot 40", "Worcester, Massachusetts"],
       occupation=["Librarian"],
       residential=["27 Elm Park Road", "Worcester, MA 01609"],
       business=["Worcester Public Library", "3 Salem Square", "Worcester, MA 01608"],
       homepage="http://www.example.com/whitfield/eleanor",
       email=["eleanor.whitfield@example.com"],
       elementary=["Bridgnorth Infants School"],
       intermediate=["Bridgnorth Junior School"],
       high=["Bridgnorth Girls High School"],
       universities=["University of Birmingham (BA English, 1933)"],
       employers=["Shropshire County Library", "Worcester Public Library"],
       religion="Church of England",
       notes=["Met Thomas at the University of Birmingham.",
              "Ran the children's room of the Worcester Public Library for twenty years.",
              "Kept the family letters that this tree is largely built from."],
       sources=["Bridgnorth parish baptism register, 1912",
                "Ludlow parish marriage register, 1934",
                "Passenger list, SS Georgic, arriving Boston May 1947"],
       immigration=("14 MAY 1947", "Boston, Massachusetts"))
person(6, "Grace Whitfield Fisher", 4, "F", father=2, mother=3, spouse=44,
       changed="2026-11-14", married="18 MAR 1939",
       birth=("27 AUG 1913", "Ludlow, Shropshire"), death=("5 FEB 1996", "Ludlow, Shropshire"),
       burial=["Ludlow Cemetery", "Ludlow, Shropshire"],
       occupation=["Seamstress"], religion="Church of England",
       notes=["Full sister of Thomas; stayed in Ludlow all her life."])
person(44, "Leonard Fisher", 4, "M", spouse=6,
       changed="2026-11-14", married="18 MAR 1939",
       birth=("9 OCT 1910", "Ludlow, Shropshire"), death=("22 JUN 1987", "Ludlow, Shropshire"),
       occupation=["Butcher"], religion="Church of England")
person(7, "Jack Whitfield", 4, "M", father=2, mother=4, spouse=46,
       changed="2026-11-16", ssn="046-18-2275", prefix="Sgt", suffix="DCM",
       married="10 JUL 1948", religious_name="John Peter",
       birth=("16 APR 1921", "Ludlow, Shropshire"), death=("3 DEC 2008", "Hartford, Connecticut"),
       burial=["Cedar Hill Cemetery, Section 7", "Hartford, Connecticut"],
       occupation=["Soldier", "Machinist"],
       residential=["412 Fairfield Avenue", "Hartford, CT 06114"],
       business=["Pratt Machine Works", "Hartford, CT 06108"],
       homepage="http://www.example.com/whitfield/jack",
       email=["jack.whitfield@example.com"],
       elementary=["St Laurence Infants School, Ludlow"],
       intermediate=["Ludlow Junior School"],
       high=["Ludlow Grammar School"],
       universities=["Hartford State Technical College"],
       employers=["British Army", "Pratt Machine Works"],
       religion="Episcopal",
       notes=["Half-brother of Thomas and Grace: son of William Whitfield and his second wife Ada.",
              "Awarded the Distinguished Conduct Medal in Italy, 1944.",
              "Followed Thomas to New England in 1949."],
       sources=["Ludlow parish baptism register, 1921",
                "London Gazette, DCM citation, 1944",
                "Passenger list, RMS Queen Mary, arriving New York September 1949"],
       immigration=("2 SEP 1949", "New York, New York"))
person(46, "Betty Shaw Whitfield", 4, "F", spouse=7,
       changed="2026-11-16", married="10 JUL 1948",
       birth=("23 FEB 1925", "Ludlow, Shropshire"), death=("14 MAR 2012", "Hartford, Connecticut"),
       occupation=["Telephone operator"], religion="Episcopal",
       immigration=("2 SEP 1949", "New York, New York"))
person(19, "Rose Whitfield", 4, "F", father=2, mother=4,
       changed="2026-11-16",
       birth=("9 SEP 1924", "Ludlow, Shropshire"), death=("21 APR 2019", "Ludlow, Shropshire"),
       burial=["Ludlow Cemetery", "Ludlow, Shropshire"],
       occupation=["Nurse"], employers=["Ludlow Hospital"], religion="Church of England",
       notes=["Never married; nursed her mother Ada in her last years."])
person(21, "Ellen Ashby Moore", 4, "F", father=15, mother=14, spouse=28,
       changed="2026-10-25", married="5 APR 1932",
       birth=("14 JUL 1908", "Hereford, Herefordshire"), death=("30 MAY 1990", "Hereford, Herefordshire"),
       burial=["Hereford Cemetery", "Hereford, Herefordshire"],
       occupation=["Typist"], religion="Methodist")
person(28, "Stanley Moore", 4, "M", spouse=21,
       changed="2026-10-25", married="5 APR 1932",
       birth=("18 NOV 1905", "Hereford, Herefordshire"), death=("6 JAN 1977", "Hereford, Herefordshire"),
       occupation=["Bank clerk"], employers=["Lloyds Bank, Hereford"], religion="Methodist")
person(22, "Douglas Ashby", 4, "M", father=15, mother=14,
       changed="2026-10-25",
       birth=("21 JAN 1911", "Hereford, Herefordshire"), death=("12 AUG 1983", "Hereford, Herefordshire"),
       occupation=["Cider maker"], religion="Methodist")
person(23, "Walter Pryce", 4, "M", father=16, mother=17, spouse=24,
       changed="2026-11-02", ssn="189-07-5514", prefix="Rev", suffix="DD",
       married="14 SEP 1931", religious_name="Walter Augustine",
       birth=("2 DEC 1906", "Shrewsbury, Shropshire"), death=("11 OCT 1999", "Philadelphia, Pennsylvania"),
       burial=["Laurel Hill Cemetery, Section G", "Philadelphia, Pennsylvania"],
       occupation=["Clergyman"],
       residential=["2204 Delancey Place", "Philadelphia, PA 19103"],
       business=["St Mark's Rectory", "1625 Locust Street", "Philadelphia, PA 19103"],
       homepage="http://www.example.org/pryce/walter",
       email=["walter.pryce@example.org"],
       elementary=["Coleham Infants School, Shrewsbury"],
       intermediate=["Coleham Junior School, Shrewsbury"],
       high=["Shrewsbury Priory School"],
       universities=["General Theological Seminary, New York"],
       employers=["Episcopal Diocese of Pennsylvania"],
       religion="Episcopal",
       notes=["Second cousin of Thomas Whitfield; their grandparents Edith and Henry were sister and brother.",
              "Emigrated alone at twenty to study for the ministry.",
              "Rector of a Philadelphia parish for thirty-one years."],
       sources=["Shrewsbury parish baptism register, 1906",
                "Passenger list, SS Cedric, arriving New York 1927",
                "Clergy directory of the Episcopal Church, 1960"],
       immigration=("19 AUG 1927", "New York, New York"))
person(24, "Doris Kemp Pryce", 4, "F", spouse=23,
       changed="2026-11-02", married="14 SEP 1931",
       birth=("27 MAY 1909", "Philadelphia, Pennsylvania"), death=("3 MAR 1995", "Philadelphia, Pennsylvania"),
       occupation=["Church organist"], religion="Episcopal")

# --- Generation 5 ----------------------------------------------------------
person(25, "Peter Whitfield", 5, "M", father=1, mother=5, spouse=30,
       changed="2026-11-28", ssn="014-32-8870", prefix="Dr", suffix="PhD",
       married="22 AUG 1959", religious_name="Peter Francis",
       birth=("19 JAN 1936", "Ludlow, Shropshire"), death=("7 MAR 2019", "Worcester, Massachusetts"),
       burial=["Hope Cemetery, Section 12, Lot 41", "Worcester, Massachusetts"],
       occupation=["Research chemist", "Professor of chemistry"],
       residential=["9 Institute Road", "Worcester, MA 01609"],
       business=["Department of Chemistry", "100 Institute Road", "Worcester, MA 01609"],
       homepage="http://www.example.com/whitfield/peter",
       email=["peter.whitfield@example.com", "pwhitfield@example.edu"],
       elementary=["Ludlow Infants School"],
       intermediate=["Elm Park Community School, Worcester"],
       high=["Classical High School, Worcester"],
       universities=["Clark University (BA, 1957)", "Massachusetts Institute of Technology (PhD, 1962)"],
       employers=["Norton Abrasives Company", "Worcester Polytechnic Institute"],
       religion="Episcopal",
       notes=["Came to America aged eleven with his parents and sister.",
              "Taught chemistry for thirty-four years.",
              "Great-great-grandson of Carl Whitfield, the Ludlow blacksmith."],
       sources=["Ludlow birth register, 1936",
                "Passenger list, SS Georgic, arriving Boston May 1947",
                "Naturalization record, Worcester County, 1953"],
       immigration=("14 MAY 1947", "Boston, Massachusetts"))
person(30, "Linda Carter Whitfield", 5, "F", spouse=25,
       changed="2026-11-28", married="22 AUG 1959",
       birth=("6 OCT 1938", "Worcester, Massachusetts"),
       occupation=["Pharmacist"], high=["North High School, Worcester"],
       religion="Episcopal")
person(26, "Susan Whitfield Grant", 5, "F", father=1, mother=5, spouse=33,
       changed="2026-11-28", ssn="014-32-8871", prefix="Mrs", suffix="RN",
       married="15 JUN 1963", religious_name="Susan Clare",
       birth=("4 JUN 1939", "Ludlow, Shropshire"), death=("12 OCT 2021", "Springfield, Massachusetts"),
       burial=["Springfield Cemetery, Section 4", "Springfield, Massachusetts"],
       occupation=["Nurse", "Nursing supervisor"],
       residential=["58 Maple Street", "Springfield, MA 01105"],
       business=["Mercy Hospital", "271 Carew Street", "Springfield, MA 01104"],
       homepage="http://www.example.com/grant/susan",
       email=["susan.grant@example.com"],
       elementary=["Ludlow Infants School"],
       intermediate=["Elm Park Community School, Worcester"],
       high=["Classical High School, Worcester"],
       universities=["Boston University School of Nursing"],
       employers=["Worcester City Hospital", "Mercy Hospital, Springfield"],
       religion="Roman Catholic",
       notes=["Came to America aged seven with her parents and brother.",
              "Became a Roman Catholic on her marriage to Michael Grant.",
              "Nursing supervisor at Mercy Hospital until 1999."],
       sources=["Ludlow birth register, 1939",
                "Passenger list, SS Georgic, arriving Boston May 1947",
                "Marriage record, Springfield, 1963"],
       immigration=("14 MAY 1947", "Boston, Massachusetts"))
person(33, "Michael Grant", 5, "M", spouse=26,
       changed="2026-11-28", married="15 JUN 1963",
       birth=("2 JUL 1937", "Springfield, Massachusetts"), death=("19 NOV 2015", "Springfield, Massachusetts"),
       burial=["Springfield Cemetery, Section 4", "Springfield, Massachusetts"],
       occupation=["Firefighter"], employers=["Springfield Fire Department"],
       religion="Roman Catholic")
person(45, "Brenda Fisher", 5, "F", father=44, mother=6,
       changed="2026-11-14",
       birth=("30 APR 1941", "Ludlow, Shropshire"),
       occupation=["Postmistress"], religion="Church of England")
person(47, "Colin Whitfield", 5, "M", father=7, mother=46,
       changed="2026-11-16",
       birth=("11 NOV 1950", "Hartford, Connecticut"),
       occupation=["Insurance agent"], employers=["Travelers Insurance"], religion="Episcopal")
person(27, "Brian Pryce", 5, "M", father=23, mother=24,
       changed="2026-11-02",
       birth=("8 FEB 1934", "Philadelphia, Pennsylvania"), death=("25 JUL 2010", "Philadelphia, Pennsylvania"),
       occupation=["Architect"], universities=["University of Pennsylvania"],
       religion="Episcopal")
person(29, "Joan Moore", 5, "F", father=28, mother=21,
       changed="2026-11-05", ssn="025-41-6608", prefix="Dr", suffix="MD",
       religious_name="Joan Elizabeth",
       birth=("16 SEP 1935", "Hereford, Herefordshire"), death=("4 FEB 2017", "Boston, Massachusetts"),
       burial=["Mount Auburn Cemetery, Lot 3120", "Cambridge, Massachusetts"],
       occupation=["Physician", "Paediatrician"],
       residential=["41 Marlborough Street", "Boston, MA 02116"],
       business=["Children's Clinic", "300 Longwood Avenue", "Boston, MA 02115"],
       homepage="http://www.example.org/moore/joan",
       email=["joan.moore@example.org"],
       elementary=["St Owen's Infants School, Hereford"],
       intermediate=["St Owen's Junior School, Hereford"],
       high=["Hereford High School for Girls"],
       universities=["University of Bristol (MB ChB, 1959)"],
       employers=["Bristol Royal Infirmary", "Children's Clinic, Boston"],
       religion="Methodist",
       notes=["Daughter of Ellen Ashby, first cousin of Thomas Whitfield.",
              "Moved to Boston in 1957 for a hospital residency and stayed.",
              "Never married."],
       sources=["Hereford birth register, 1935",
                "Medical register, 1960",
                "Passenger list, RMS Saxonia, arriving Boston 1957"],
       immigration=("27 JUN 1957", "Boston, Massachusetts"))

# --- Generation 6 ----------------------------------------------------------
person(31, "David Whitfield", 6, "M", father=25, mother=30, spouse=35,
       changed="2026-12-01", married="17 SEP 1988",
       birth=("23 MAR 1962", "Worcester, Massachusetts"),
       occupation=["Software engineer"],
       residential=["15 Orchard Lane", "Shrewsbury, MA 01545"],
       email=["david.whitfield@example.com"],
       high=["Doherty High School, Worcester"],
       universities=["Worcester Polytechnic Institute"],
       employers=["Digital Equipment Corporation", "Bay State Software"],
       religion="Episcopal",
       notes=["Started this family tree in 1995 from his grandmother Eleanor's letters."])
person(35, "Claire Norris Whitfield", 6, "F", spouse=31,
       changed="2026-12-01", married="17 SEP 1988",
       birth=("9 DEC 1964", "Providence, Rhode Island"),
       occupation=["Graphic designer"], universities=["Rhode Island School of Design"])
person(32, "Helen Whitfield Turner", 6, "F", father=25, mother=30, spouse=38,
       changed="2026-12-01", married="25 MAY 1991",
       birth=("12 AUG 1965", "Worcester, Massachusetts"),
       occupation=["Veterinarian"], universities=["Cornell University"],
       religion="Episcopal")
person(38, "Mark Turner", 6, "M", spouse=32,
       changed="2026-12-01", married="25 MAY 1991",
       birth=("30 JAN 1963", "Albany, New York"),
       occupation=["Civil engineer"])
person(34, "Karen Grant", 6, "F", father=33, mother=26,
       changed="2026-11-28",
       birth=("14 FEB 1968", "Springfield, Massachusetts"),
       occupation=["Teacher"], religion="Roman Catholic")

# --- Generation 7 ----------------------------------------------------------
person(36, "Ann Whitfield", 7, "F", father=31, mother=35,
       changed="2026-12-03",
       birth=("2 APR 1990", "Worcester, Massachusetts"),
       occupation=["Archivist"], universities=["Simmons University"])
person(37, "James Whitfield", 7, "M", father=31, mother=35,
       changed="2026-12-03",
       birth=("19 OCT 1993", "Worcester, Massachusetts"),
       occupation=["Paramedic"])
person(39, "Emily Turner", 7, "F", father=38, mother=32,
       changed="2026-12-03",
       birth=("7 JUL 1995", "Albany, New York"),
       occupation=["Student"])

# Spouse links that are deliberately one-sided: the deceased first wife
# points at her husband, who has since remarried.
ONE_SIDED_SPOUSE = {3: 2}   # Mary Cole -> William Whitfield (William -> Ada Morton)

# Relation examples: (kind, A, B, expected words for "what B is to A").
EXAMPLES = [
    ("Father", 1, 2, "father"),
    ("Mother", 1, 3, "mother"),
    ("Grandparent", 1, 8, "grandfather"),
    ("Grandparent", 25, 2, "grandfather"),
    ("Great-grandparent", 1, 10, "great-grandfather"),
    ("Great-great-grandparent", 25, 11, "great-great-grandmother"),
    ("Siblings (both parents)", 1, 6, "sister"),
    ("Half-siblings (one parent)", 1, 7, "half-brother"),
    ("Half-siblings (one parent)", 6, 19, "half-sister"),
    ("Spouses", 1, 5, "wife"),
    ("Uncle/aunt by blood", 1, 14, "aunt"),
    ("Uncle/aunt by blood", 45, 1, "uncle"),
    ("Uncle/aunt by marriage", 1, 15, "uncle by marriage"),
    ("Uncle/aunt by marriage", 25, 44, "uncle by marriage"),
    ("Great-uncle/great-aunt", 1, 12, "great-aunt"),
    ("Great-uncle/great-aunt by marriage", 1, 13, "great-uncle by marriage"),
    ("First cousins", 1, 21, "first cousin"),
    ("First cousins", 25, 45, "first cousin"),
    ("Second cousins", 1, 23, "second cousin"),
    ("Third cousins", 25, 27, "third cousin"),
    ("First cousin once removed", 1, 29, "first cousin once removed"),
    ("First cousin twice removed", 21, 31, "first cousin twice removed"),
    ("Second cousin twice removed", 23, 31, "second cousin twice removed"),
]

# ---------------------------------------------------------------------------
# Record writing
# ---------------------------------------------------------------------------

GENDER_WORD = {"M": "Male", "F": "Female"}

FULL_HEADERS = ["***Gender***", "***Occupation***", "***Residential Addresses***",
                "***Business Addresses***", "***HomePage Address***", "***E-Mail Addresses***",
                "***Elementary***", "***Intermediate***", "***High***", "***Universtities***",
                "***Employers***", "***Religion***", "***Notes***", "***Sources***",
                "***Immigration***"]
MINIMAL_HEADERS = ["***Occupation***", "***Addresses***", "***Elementary***", "***Intermediate***",
                   "***High***", "***Universtities***", "***Employers***", "***Religion***",
                   "***Notes***"]


def num4(n):
    return "%04d" % n


def group(nums):
    return "".join(num4(n) for n in nums) if nums else "0000"


def children_of(num):
    return sorted(c for c, p in P.items() if num and (p["father"] == num or p["mother"] == num))


def siblings_of(num):
    p = P[num]
    parents = {x for x in (p["father"], p["mother"]) if x}
    return sorted(c for c, q in P.items()
                  if c != num and parents & {x for x in (q["father"], q["mother"]) if x})


def link_string(num):
    p = P[num]
    return (num4(num) + num4(p["spouse"]) + "F" + group([p["father"]] if p["father"] else [])
            + "M" + group([p["mother"]] if p["mother"] else []) + "S" + group(siblings_of(num)))


def file_name(num):
    return "%s_%s.dat" % (P[num]["name"], num4(num))


def record_lines(num):
    p = P[num]
    if p["minimal"]:
        lines = [link_string(num)] + [""] * 12
        for h in MINIMAL_HEADERS:
            lines += [h, ""]
        return lines
    g = p.get
    birth = g("birth", ("", ""))
    death = g("death", ("", ""))
    immig = g("immigration", ("", ""))
    lines = [
        link_string(num),
        p["changed"],
        g("ssn", ""),
        g("prefix", "") + "#" + g("suffix", ""),
        g("married", ""),
        g("religious_name", ""),
        g("photo", " "),
        birth[0], birth[1], death[0], death[1],
    ]
    lines += g("burial") or [""]
    lines += ["***Gender***", GENDER_WORD[p["sex"]]]
    lines += ["***Occupation***"] + g("occupation", [])
    lines += ["***Residential Addresses***"] + (g("residential") or [""])
    lines += ["***Business Addresses***"] + (g("business") or [""])
    lines += ["***HomePage Address***", g("homepage", "")]
    lines += ["***E-Mail Addresses***"] + (g("email") or [""])
    lines += ["***Elementary***"] + g("elementary", [])
    lines += ["***Intermediate***"] + g("intermediate", [])
    lines += ["***High***"] + g("high", [])
    lines += ["***Universtities***"] + g("universities", [])
    lines += ["***Employers***"] + g("employers", [])
    lines += ["***Religion***", g("religion", "")]
    lines += ["***Notes***"] + (g("notes") or [""])
    lines += ["***Sources***"] + (g("sources") or [""])
    lines += ["***Immigration***", immig[0], immig[1]]
    return lines


def write_text(path, lines):
    data = "".join(l + "\r\n" for l in lines).encode("utf-8")
    with open(path, "wb") as f:
        f.write(data)


# ---------------------------------------------------------------------------
# Images
# ---------------------------------------------------------------------------

def png_bytes(width, height, pixel):
    """pixel(x, y) -> (r, g, b); returns a complete 8-bit RGB PNG file."""
    raw = bytearray()
    for y in range(height):
        raw.append(0)  # filter type: none
        for x in range(width):
            raw.extend(pixel(x, y))

    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body
                + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))

    ihdr = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr)
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def mix(c1, c2, t):
    return tuple(int(round(a + (b - a) * t)) for a, b in zip(c1, c2))


def in_ellipse(x, y, cx, cy, rx, ry):
    return ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0


def portrait(bg_top, bg_bottom, skin, hair, clothes, long_hair=False, glasses=False):
    W, H = 120, 150
    cx, cy, r = 60, 62, 27

    def pixel(x, y):
        col = mix(bg_top, bg_bottom, y / (H - 1))
        # long hair falls behind the head and over the shoulders
        if long_hair and in_ellipse(x, y, cx, cy + 22, r + 8, r + 30) and y > cy - 5:
            col = hair
        # shoulders and body
        if in_ellipse(x, y, cx, H + 18, 56, 62):
            col = clothes
            # collar / neckline
            if abs(x - cx) < 12 - (y - 112) * 0.6 and 108 <= y <= 125:
                col = skin if long_hair else (235, 235, 235)
        # neck
        if abs(x - cx) <= 9 and cy + 18 <= y <= 110:
            col = mix(skin, (0, 0, 0), 0.12)
        # head
        if in_ellipse(x, y, cx, cy, r - 3, r):
            col = skin
            # hair on top of the head
            if y < cy - 9 and in_ellipse(x, y, cx, cy - 4, r - 1, r + 2):
                col = hair
            if long_hair and abs(x - cx) > r - 9 and y < cy + 10:
                col = hair
            # eyes
            for ex in (cx - 9, cx + 9):
                if in_ellipse(x, y, ex, cy + 1, 2.6, 2.2):
                    col = (40, 30, 30)
                if glasses and 4.2 <= math.hypot(x - ex, y - (cy + 1)) <= 5.4:
                    col = (60, 60, 70)
            if glasses and abs(y - (cy + 1)) <= 0 and abs(x - cx) <= 4:
                col = (60, 60, 70)
            # nose and mouth
            if abs(x - cx) <= 1 and cy + 4 <= y <= cy + 10:
                col = mix(skin, (0, 0, 0), 0.18)
            if abs(y - (cy + 16 - 0.04 * (x - cx) ** 2)) <= 0.9 and abs(x - cx) <= 7:
                col = (150, 70, 70)
        # ears
        if not long_hair and (in_ellipse(x, y, cx - r + 2, cy + 2, 4, 7)
                              or in_ellipse(x, y, cx + r - 2, cy + 2, 4, 7)) \
                and not in_ellipse(x, y, cx, cy, r - 3, r):
            col = mix(skin, (0, 0, 0), 0.08)
        # thin frame
        if x < 3 or y < 3 or x >= W - 3 or y >= H - 3:
            col = (90, 70, 50)
        return col

    return png_bytes(W, H, pixel)


def bmp_bytes(width, height, pixel):
    row_size = (width * 3 + 3) // 4 * 4
    image = bytearray()
    for y in range(height - 1, -1, -1):  # bottom-up
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        row += b"\x00" * (row_size - len(row))
        image += row
    header = b"BM" + struct.pack("<IHHI", 14 + 40 + len(image), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(image), 2835, 2835, 0, 0)
    return header + info + bytes(image)


def logo():
    W, H = 200, 120
    cream = (250, 246, 232)
    green = (46, 125, 50)
    light = (102, 170, 72)
    dark = (27, 94, 32)
    brown = (121, 85, 58)
    canopy = [(100, 40, 30, green), (72, 50, 22, dark), (128, 50, 22, dark),
              (84, 30, 20, light), (116, 30, 20, light), (100, 22, 18, light)]

    def pixel(x, y):
        col = cream
        # round emblem backdrop
        d = math.hypot(x - 100, y - 58)
        if d <= 56:
            col = (236, 242, 222)
        if 54 <= d <= 56:
            col = dark
        # ground
        if y >= 96 and abs(x - 100) <= 40 + (y - 96) * 2 and d <= 54:
            col = (150, 120, 80)
        # trunk, widening towards the roots
        half = 6 + max(0, y - 80) * 0.45
        if 55 <= y <= 100 and abs(x - 100) <= half:
            col = brown
        # two branches
        for sx in (-1, 1):
            t = (x - 100) * sx
            if 0 <= t <= 26 and abs(y - (66 - t * 0.7)) <= 2.5:
                col = brown
        # canopy circles
        for (ccx, ccy, rr, cc) in canopy:
            if math.hypot(x - ccx, y - ccy) <= rr:
                col = cc
        # small leaves dots for texture
        for (ccx, ccy, rr, cc) in canopy:
            if math.hypot(x - ccx + rr * 0.35, y - ccy + rr * 0.35) <= 3:
                col = mix(cc, (255, 255, 255), 0.25)
        # side bars (abstract wordmark)
        for bx in (10, 160):
            if bx <= x < bx + 30:
                for i, by in enumerate((44, 56, 68)):
                    ln = 30 - i * 6
                    if by <= y < by + 6 and (x - bx) < ln:
                        col = green if i != 1 else brown
        if x < 2 or y < 2 or x >= W - 2 or y >= H - 2:
            col = dark
        return col

    return bmp_bytes(W, H, pixel)


PHOTOS = {
    "0001001_thomas.pic": lambda: portrait((176, 196, 222), (110, 130, 170), (232, 190, 160),
                                           (101, 67, 33), (40, 60, 100)),
    "0001002_thomas.pic": lambda: portrait((210, 200, 170), (150, 135, 100), (226, 184, 156),
                                           (200, 200, 200), (70, 70, 70), glasses=True),
    "0005001_eleanor.pic": lambda: portrait((222, 200, 210), (170, 130, 150), (240, 200, 175),
                                            (60, 40, 30), (150, 40, 50), long_hair=True),
}

# ---------------------------------------------------------------------------
# README
# ---------------------------------------------------------------------------


def first(num):
    return P[num]["name"].split()[0]


def readme_text():
    out = []
    out.append("# The Demo family")
    out.append("")
    out.append("This folder holds the sample family that Kinvale installs on first start.")
    out.append("The `Demo` folder has one record file per person (`<Name>_<NNNN>.dat`) and")
    out.append("the photos (`.pic`, PNG images). `logo.bmp` is the program logo.")
    out.append("")
    out.append("The family has %d people over %d generations, from Carl Whitfield, a Ludlow"
               % (len(P), max(p["gen"] for p in P.values())))
    out.append("blacksmith born in 1822, down to his great-great-great-great-grandchildren.")
    out.append("Thomas Whitfield (0001) is shown first. His father William lost his first wife")
    out.append("Mary to influenza in 1918 and married Ada Morton, so Thomas and Grace have two")
    out.append("half-siblings, Jack and Rose. Thomas and Eleanor moved to Massachusetts in 1947.")
    out.append("Thomas has two photos; Eleanor has one. People %s are known by name only."
               % ", ".join(num4(n) for n in sorted(P) if P[n]["minimal"]))
    out.append("")
    out.append("| No. | Name | Gen. | Gender | Father | Mother | Spouse |")
    out.append("|-----|------|------|--------|--------|--------|--------|")

    def who(n):
        return "%s (%s)" % (P[n]["name"], num4(n)) if n else "-"

    for n in sorted(P):
        p = P[n]
        gender = GENDER_WORD[p["sex"]] if not p["minimal"] else "unknown"
        spouse = who(p["spouse"])
        if n == 2:
            spouse += "; first wife " + who(3) + ", died 1918"
        if n in ONE_SIDED_SPOUSE:
            spouse += ", who remarried after her death"
        out.append("| %s | %s | %d | %s | %s | %s | %s |"
                   % (num4(n), p["name"], p["gen"], gender, who(p["father"]), who(p["mother"]), spouse))
    out.append("")
    out.append("Remarriage: William Whitfield (0002) married Mary Cole (0003) in 1907; she died")
    out.append("in 1918. He married Ada Morton (0004) in 1920 and had Jack (0007) and Rose (0019).")
    out.append("")
    out.append("## Relation examples")
    out.append("")
    for kind, a, b, words in EXAMPLES:
        out.append("- %s: %s → %s: %s is %s's %s"
                   % (kind, P[a]["name"], P[b]["name"], first(b), first(a), words))
    out.append("")
    return out


# ---------------------------------------------------------------------------
# Generation
# ---------------------------------------------------------------------------


def generate():
    os.makedirs(FAMILY_DIR, exist_ok=True)
    for f in os.listdir(FAMILY_DIR):
        if f.endswith(".dat") or f.endswith(".pic"):
            os.remove(os.path.join(FAMILY_DIR, f))
    for n in sorted(P):
        write_text(os.path.join(FAMILY_DIR, file_name(n)), record_lines(n))
    for name, make in PHOTOS.items():
        with open(os.path.join(FAMILY_DIR, name), "wb") as f:
            f.write(make())
    with open(LOGO_PATH, "wb") as f:
        f.write(logo())
    with open(README_PATH, "wb") as f:
        f.write(("\n".join(readme_text())).encode("utf-8"))


# ---------------------------------------------------------------------------
# Checking (reads everything back from disk)
# ---------------------------------------------------------------------------

LINK_RE = re.compile(r"^(\d{4})(\d{4})F((?:\d{4})+)M((?:\d{4})+)S((?:\d{4})+)$")
NAME_RE = re.compile(r"^([A-Za-z][A-Za-z' -]*)_(\d{4})\.dat$")
PIC_RE = re.compile(r"^(\d{4})(\d{3})_([A-Za-z]+)\.pic$")
DATE_RE = re.compile(r"^([1-9]|[12]\d|3[01]) (JAN|FEB|MAR|APR|MAY|JUN|JUL|AUG|SEP|OCT|NOV|DEC) \d{4}$")


def split_group(g):
    nums = [int(g[i:i + 4]) for i in range(0, len(g), 4)]
    if nums == [0]:
        return []
    return nums


def parse_full(lines, err):
    """Returns dict of sections; reports structural problems via err()."""
    if len(lines) < 12:
        err("full record too short (%d lines)" % len(lines))
        return None
    rec = {"head": lines[:11]}
    i = 11
    burial = []
    while i < len(lines) and lines[i] != "***Gender***":
        burial.append(lines[i])
        i += 1
    rec["burial"] = burial
    if not burial:
        err("no burial line")
    # each header's allowed line count: (min, max)
    shape = {"***Gender***": (1, 1), "***Occupation***": (0, None),
             "***Residential Addresses***": (1, None), "***Business Addresses***": (1, None),
             "***HomePage Address***": (1, 1), "***E-Mail Addresses***": (1, None),
             "***Elementary***": (0, None), "***Intermediate***": (0, None), "***High***": (0, None),
             "***Universtities***": (0, None), "***Employers***": (0, None),
             "***Religion***": (1, 1), "***Notes***": (1, None), "***Sources***": (1, None),
             "***Immigration***": (2, 2)}
    for k, h in enumerate(FULL_HEADERS):
        if i >= len(lines) or lines[i] != h:
            err("expected header %s at line %d, got %r" % (h, i + 1, lines[i] if i < len(lines) else None))
            return None
        i += 1
        body = []
        nxt = FULL_HEADERS[k + 1] if k + 1 < len(FULL_HEADERS) else None
        lo, hi = shape[h]
        if hi is not None:
            body = lines[i:i + hi]
            i += hi
            if nxt is None and i != len(lines):
                err("%d lines after the immigration place" % (len(lines) - i))
        else:
            while i < len(lines) and lines[i] != nxt:
                body.append(lines[i])
                i += 1
        if len(body) < lo:
            err("section %s has %d lines, needs at least %d" % (h, len(body), lo))
            return None
        if hi is None and len(body) > 1 and any(l == "" for l in body):
            err("section %s has an empty line among several lines" % h)
        if lo == 0 and any(l == "" for l in body):
            err("section %s has an empty line (must have no lines when empty)" % h)
        rec[h] = body
    return rec


def parse_minimal(lines, err):
    if len(lines) != 31:
        err("minimal record has %d lines, not 31" % len(lines))
        return
    if any(l != "" for l in lines[1:13]):
        err("minimal record: lines 2-13 must be empty")
    for k, h in enumerate(MINIMAL_HEADERS):
        if lines[13 + 2 * k] != h:
            err("minimal record: expected %s at line %d" % (h, 14 + 2 * k))
        if lines[14 + 2 * k] != "":
            err("minimal record: line after %s must be empty" % h)


def relation(db, a, b):
    """What b is to a, in words, from the parsed link data only."""
    sex = lambda n: db[n]["gender"]
    word = lambda n, m, f: m if sex(n) == "Male" else f if sex(n) == "Female" else m + "/" + f

    def parents(n):
        return [x for x in (db[n]["father"], db[n]["mother"]) if x and x in db]

    def ancestors(n):
        dist = {n: 0}
        todo = [n]
        while todo:
            c = todo.pop()
            for q in parents(c):
                if q not in dist or dist[q] > dist[c] + 1:
                    dist[q] = dist[c] + 1
                    todo.append(q)
        return dist

    def great(k):
        return "great-" * k

    def blood(a, b):
        if a == b:
            return None
        da, db_ = ancestors(a), ancestors(b)
        common = set(da) & set(db_)
        if not common:
            return None
        x, y = min(((da[c], db_[c]) for c in common), key=lambda t: (t[0] + t[1], t))
        if x == 0:  # b below a
            base = word(b, "son", "daughter") if y == 1 else "grand" + word(b, "son", "daughter")
            return (great(y - 2) if y > 2 else "") + base
        if y == 0:  # b above a
            base = word(b, "father", "mother") if x == 1 else "grand" + word(b, "father", "mother")
            return (great(x - 2) if x > 2 else "") + base
        if x == 1 and y == 1:
            shared = set(parents(a)) & set(parents(b))
            full = len(shared) == 2
            return ("" if full else "half-") + word(b, "brother", "sister")
        if y == 1:
            return great(x - 2) + word(b, "uncle", "aunt")
        if x == 1:
            return great(y - 2) + word(b, "nephew", "niece")
        deg = min(x, y) - 1
        rem = abs(x - y)
        ords = {1: "first", 2: "second", 3: "third", 4: "fourth"}
        rems = {0: "", 1: " once removed", 2: " twice removed", 3: " three times removed"}
        return ords[deg] + " cousin" + rems[rem]

    if db[a]["spouse"] == b or db[b]["spouse"] == a:
        return word(b, "husband", "wife")
    r = blood(a, b)
    if r:
        return r
    # by marriage: b is the spouse of a blood uncle/aunt (of any degree)
    partners = [n for n in db if db[n]["spouse"] == b or db[b]["spouse"] == n]
    for s in partners:
        rs = blood(a, s)
        if rs and (rs.endswith("uncle") or rs.endswith("aunt")):
            stem = rs[:-len("uncle")] if rs.endswith("uncle") else rs[:-len("aunt")]
            return stem + word(b, "uncle", "aunt") + " by marriage"
    return "no relation found"


def check():
    problems = []

    def err(where, msg):
        problems.append("%s: %s" % (where, msg))

    if not os.path.isdir(FAMILY_DIR):
        print("missing folder", FAMILY_DIR)
        return 1
    db = {}
    photo_refs = {}
    for fname in sorted(os.listdir(FAMILY_DIR)):
        path = os.path.join(FAMILY_DIR, fname)
        if fname.endswith(".pic"):
            continue
        m = NAME_RE.match(fname)
        if not m:
            err(fname, "bad record file name")
            continue
        name, fnum = m.group(1), int(m.group(2))
        if not (2 <= len(name.split()) <= 3) or "copy" in name.lower() or "  " in name:
            err(fname, "name must be First [Middle] Last without 'copy'")
        raw = open(path, "rb").read()
        if raw.startswith(b"\xef\xbb\xbf"):
            err(fname, "has a BOM")
        try:
            text = raw.decode("utf-8")
        except UnicodeDecodeError:
            err(fname, "not UTF-8")
            continue
        if not text.endswith("\r\n"):
            err(fname, "last line does not end with CR LF")
        if text.replace("\r\n", "").count("\n") or text.replace("\r\n", "").count("\r"):
            err(fname, "bare CR or LF found")
        lines = text.split("\r\n")
        if text.endswith("\r\n"):
            lines = lines[:-1]
        e = lambda msg, f=fname: err(f, msg)
        lm = LINK_RE.match(lines[0]) if lines else None
        if not lm:
            e("bad link string %r" % (lines[0] if lines else None))
            continue
        own, spouse = int(lm.group(1)), int(lm.group(2))
        fathers, mothers, sibs = (split_group(lm.group(k)) for k in (3, 4, 5))
        if own != fnum:
            e("file number %04d differs from link number %04d" % (fnum, own))
        if own == 0:
            e("person number 0000")
        if len(fathers) > 1 or len(mothers) > 1:
            e("more than one father or mother")
        for g in (fathers, mothers, sibs):
            if 0 in g:
                e("0000 inside a non-empty group")
        if sibs != sorted(set(sibs)):
            e("sibling group not ascending/unique")
        for l in lines[1:]:
            if l.startswith("***") and not (l.startswith("***") and l.endswith("***") and
                                            l in FULL_HEADERS + MINIMAL_HEADERS):
                e("value line begins with ***: %r" % l)
        entry = dict(name=name, spouse=spouse, father=fathers[0] if fathers else 0,
                     mother=mothers[0] if mothers else 0, sibs=sibs, gender=None, file=fname)
        minimal = len(lines) > 13 and lines[13] == "***Occupation***" and "***Gender***" not in lines
        entry["minimal"] = minimal
        if minimal:
            parse_minimal(lines, e)
        else:
            rec = parse_full(lines, e)
            if rec is None:
                continue
            head = rec["head"]
            if not re.match(r"^\d{4}-\d{2}-\d{2}$", head[1]):
                e("bad date-changed line %r" % head[1])
            if head[2] and not re.match(r"^\d{3}-\d{2}-\d{4}$", head[2]):
                e("bad SSN %r" % head[2])
            if head[3].count("#") != 1:
                e("prefix#suffix line must contain exactly one '#'")
            for k, what in ((4, "marriage"), (7, "birth"), (9, "death")):
                if head[k] and not DATE_RE.match(head[k]):
                    e("bad %s date %r" % (what, head[k]))
            if (head[7] == "") != (head[8] == "") and head[7]:
                e("birth date without birth place")
            if head[6] != " ":
                pm = PIC_RE.match(head[6])
                if not pm or int(pm.group(1)) != own:
                    e("bad photo line %r" % head[6])
                else:
                    photo_refs[own] = head[6]
            gender = rec["***Gender***"][0]
            if gender not in ("Male", "Female"):
                e("gender must be Male or Female, got %r" % gender)
            entry["gender"] = gender
            im = rec["***Immigration***"]
            if im[0] and not DATE_RE.match(im[0]):
                e("bad immigration date %r" % im[0])
            if bool(im[0]) != bool(im[1]):
                e("immigration date and place must come together")
            entry["complete"] = (
                all(head[k] for k in (2, 4, 5, 7, 8, 9, 10)) and "" not in head[3].split("#")
                and len(rec["burial"]) >= 2 and "" not in rec["burial"]
                and all(rec[h] and rec[h] != [""] for h in FULL_HEADERS)
                and len(rec["***Notes***"]) >= 2 and len(rec["***Sources***"]) >= 2)
        if own in db:
            e("duplicate person number %04d" % own)
        db[own] = entry

    # cross-record checks
    for n, p in sorted(db.items()):
        w = p["file"]
        for ref in [p["spouse"], p["father"], p["mother"]] + p["sibs"]:
            if ref and ref not in db:
                err(w, "refers to missing person %04d" % ref)
        if any(r not in db for r in [p["father"], p["mother"]] + p["sibs"] if r):
            continue
        if p["father"] and db[p["father"]]["gender"] == "Female":
            err(w, "father is female")
        if p["mother"] and db[p["mother"]]["gender"] == "Male":
            err(w, "mother is male")
        s = p["spouse"]
        if s == n:
            err(w, "married to self")
        if s and s in db:
            back = db[s]["spouse"]
            if back != n:
                if ONE_SIDED_SPOUSE.get(n) != s or not back or db[back]["spouse"] != s:
                    err(w, "spouse link %04d -> %04d not mutual" % (n, s))
        parents = {x for x in (p["father"], p["mother"]) if x}
        expected = sorted(m for m, q in db.items() if m != n and
                          parents & {x for x in (q["father"], q["mother"]) if x})
        if p["sibs"] != expected:
            err(w, "siblings %s, expected %s" % (p["sibs"], expected))
        for sb in p["sibs"]:
            if sb in db and n not in db[sb]["sibs"]:
                err(w, "sibling %04d does not list %04d back" % (sb, n))
    # one-sided spouse exceptions must be exactly those intended
    for a, b in ONE_SIDED_SPOUSE.items():
        if a not in db or db[a]["spouse"] != b or db.get(b, {}).get("spouse") == a:
            err("family", "intended one-sided spouse link %04d -> %04d is missing" % (a, b))
    # intended marriages in the tables must be what is on disk
    for n, p in P.items():
        if n in db and db[n]["spouse"] != p["spouse"]:
            err(db[n]["file"], "spouse on disk differs from the family table")
        if n in db and db[n]["name"] != p["name"]:
            err(db[n]["file"], "name on disk differs from the family table")
    if set(db) != set(P):
        err("family", "people on disk %s differ from the table" % sorted(set(db) ^ set(P)))
    if set(db) != set(range(1, len(db) + 1)):
        err("family", "person numbers are not 1..%d without gaps" % len(db))

    # size requirements
    if len(db) < 44:
        err("family", "only %d people" % len(db))
    if sum(1 for p in db.values() if p["minimal"]) < 4:
        err("family", "fewer than 4 minimal records")
    complete = [n for n, p in db.items() if p.get("complete")]
    if len(complete) < 6:
        err("family", "only %d records with every field filled: %s" % (len(complete), complete))
    # generations from the links: depth below the oldest ancestor
    depth = {}

    def gen(n, seen=()):
        if n in depth:
            return depth[n]
        if n in seen:
            err("family", "ancestry loop at %04d" % n)
            return 0
        ps = [x for x in (db[n]["father"], db[n]["mother"]) if x in db]
        depth[n] = 1 + max((gen(x, seen + (n,)) for x in ps), default=0)
        return depth[n]

    # spouses married in share a generation with their partner
    gens = {n: gen(n) for n in db}
    if max(gens.values()) < 7:
        err("family", "only %d generations" % max(gens.values()))
    p1 = db.get(1)
    if not p1 or not (p1["father"] and p1["mother"] and p1["spouse"] and p1["sibs"]
                      and any(q["father"] == 1 or q["mother"] == 1 for q in db.values())):
        err("0001", "person 0001 needs parents, spouse, siblings and children")

    # photos
    pics = sorted(f for f in os.listdir(FAMILY_DIR) if f.endswith(".pic"))
    owners = set()
    for f in pics:
        pm = PIC_RE.match(f)
        if not pm:
            err(f, "bad photo file name")
            continue
        owners.add(int(pm.group(1)))
        data = open(os.path.join(FAMILY_DIR, f), "rb").read()
        if not data.startswith(b"\x89PNG\r\n\x1a\n"):
            err(f, "not a PNG")
            continue
        # walk the chunks and verify CRCs, then decode the pixel data size
        pos, idat, w = 8, b"", None
        while pos < len(data):
            ln, = struct.unpack(">I", data[pos:pos + 4])
            kind = data[pos + 4:pos + 8]
            body = data[pos + 8:pos + 8 + ln]
            crc, = struct.unpack(">I", data[pos + 8 + ln:pos + 12 + ln])
            if zlib.crc32(kind + body) & 0xFFFFFFFF != crc:
                err(f, "bad CRC in %r" % kind)
            if kind == b"IHDR":
                w, h, bd, ct = struct.unpack(">IIBB", body[:10])
            elif kind == b"IDAT":
                idat += body
            pos += 12 + ln
        if w is None or len(zlib.decompress(idat)) != h * (1 + w * 3) or bd != 8 or ct != 2:
            err(f, "PNG pixel data does not match its header")
    for n, ref in photo_refs.items():
        if ref not in pics:
            err(db[n]["file"], "photo %s does not exist" % ref)
    if photo_refs.get(1) != "0001001_thomas.pic":
        err("0001", "record must show photo 001")
    if not any(p.startswith("0001002_") for p in pics):
        err("0001", "second photo (002) of person 0001 is missing")
    if len(owners) < 2 or len(photo_refs) < 2:
        err("photos", "need photos of two different people")

    # logo
    if not os.path.exists(LOGO_PATH):
        err("logo.bmp", "missing")
    else:
        data = open(LOGO_PATH, "rb").read()
        if data[:2] != b"BM":
            err("logo.bmp", "does not start with BM")
        else:
            size, _, _, off = struct.unpack("<IHHI", data[2:14])
            hsz, w, h, planes, bpp, comp = struct.unpack("<IiiHHI", data[14:34])
            if size != len(data) or bpp != 24 or comp != 0 or planes != 1:
                err("logo.bmp", "not a consistent 24-bit uncompressed BMP")
            if off + ((w * 3 + 3) // 4 * 4) * abs(h) != len(data):
                err("logo.bmp", "pixel array size wrong")

    # README: every person listed, examples match the computed relation
    if not os.path.exists(README_PATH):
        err("README.md", "missing")
    else:
        readme = open(README_PATH, encoding="utf-8").read()
        for n, p in db.items():
            if "| %04d | %s |" % (n, p["name"]) not in readme:
                err("README.md", "person %04d not in the table" % n)
        names = {p["name"]: n for n, p in db.items()}
        ex = re.findall(r"^- ([^:]+): (.+?) → (.+?): \S+ is \S+'s (.+)$", readme, re.M)
        if len(ex) != len(EXAMPLES):
            err("README.md", "found %d relation examples, expected %d" % (len(ex), len(EXAMPLES)))
        for kind, an, bn, words in ex:
            if an not in names or bn not in names:
                err("README.md", "unknown name in example %r" % kind)
                continue
            got = relation(db, names[an], names[bn])
            if got != words:
                err("README.md", "%s → %s: README says %r, records give %r" % (an, bn, words, got))
        kinds = {k for k, *_ in ex}
        for need in ["Father", "Mother", "Grandparent", "Great-grandparent", "Great-great-grandparent",
                     "Siblings (both parents)", "Half-siblings (one parent)", "Spouses",
                     "Uncle/aunt by blood", "Uncle/aunt by marriage", "Great-uncle/great-aunt",
                     "Great-uncle/great-aunt by marriage", "First cousins", "Second cousins",
                     "Third cousins", "First cousin once removed", "First cousin twice removed"]:
            if need not in kinds:
                err("README.md", "no example for %s" % need)
    # remarriage: someone with a deceased first spouse and children by both
    ok = False
    for a, b in ONE_SIDED_SPOUSE.items():
        if a in db and b in db:
            second = db[b]["spouse"]
            kids = lambda x, y: [n for n, q in db.items() if {q["father"], q["mother"]} == {x, y}]
            ok = ok or bool(kids(a, b) and kids(b, second))
    if not ok:
        err("family", "no remarriage with children by both spouses")

    if problems:
        print("%d problem(s):" % len(problems))
        for p in problems:
            print("  " + p)
        return 1
    print("OK: %d records (%d minimal, %d with every field), %d generations, %d photos, logo, README"
          % (len(db), sum(1 for p in db.values() if p["minimal"]), len(complete),
             max(gens.values()), len(pics)))
    return 0


if __name__ == "__main__":
    if "--check" not in sys.argv[1:]:
        generate()
    sys.exit(check())
